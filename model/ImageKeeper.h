// Every image element a document made, in the order made. An image that
// leaves its sheet (erased, its sheet emptied) is kept whole until the
// history is forgotten, so that undo can put the very same image back.
#pragma once

#include <memory>
#include <vector>

#include "model/Elements.h"

class GImageKeeper {
 public:
  GImage* Make() {
    m_All.push_back(std::make_unique<GImage>());
    return m_All.back().get();
  }
  int Count() const { return static_cast<int>(m_All.size()); }
  GImage* At(int i) { return m_All[static_cast<size_t>(i)].get(); }
  // Frees the images no list holds (`inUse` clear); the rest keep their
  // places, but the order of the whole changes, so only a history that is
  // forgotten with it may call this.
  void FreeUnused() {
    std::vector<std::unique_ptr<GImage>> kept;
    for (auto& im : m_All)
      if (im->inUse) kept.push_back(std::move(im));
    m_All = std::move(kept);
  }

 private:
  std::vector<std::unique_ptr<GImage>> m_All;
};
