// The document can be created and destroyed without a display.
#include <gtest/gtest.h>

#include <memory>

#include "Recorder.h"
#include "model/Document.h"

TEST(Document, CreatesWithOneEmptySheet) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  EXPECT_EQ(doc->Sheets().Count(), 1);
  EXPECT_EQ(doc->FirstConst(), nullptr);
}
