// The frame's recovery copy: kept from the repaint tick while the document
// has changes that are not saved, and at start the copy a program that
// stopped left behind, offered in one question a child understands.
#include <chrono>
#include <optional>

#include "app/MyApp.h"
#include "app/MyFrame.h"
#include "interaction/MyCanvas.h"
#include "model/AppFolders.h"
#include "model/Utf8Text.h"
#include "script/OpenFigure.h"
#include "script/Recovery.h"
#include "script/Script.h"

namespace {

const char* const kCaption = N_("Get your figure back");

std::string FileName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Question(const GLeftCopy& copy) {
  if (copy.origin.empty())
    return Tr("Figuretta stopped before your new figure was saved.\nDo you want to get it back?");
  return StrFormat(
      Tr("Figuretta stopped before your figure \"%s\" was saved.\nDo you want to get it back?"),
      FileName(copy.origin).c_str());
}

std::string Damaged(const std::string& aside) {
  return StrFormat(Tr("Figuretta kept a copy of a figure, but the copy is damaged and cannot be "
                      "opened.\nIt was put aside as \"%s\"."),
                   aside.c_str());
}

}  // namespace

std::int64_t MyFrame::RecoveryClock() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void MyFrame::InstallRecovery() {
  m_Recovery = std::make_unique<GRecoveryKeeper>(ResolveAppFolders().state,
                                                 [this] { return WriteScript(*m_Canvas->m_Doc); });
  m_Recovery->Reset("");
  m_Canvas->m_OnTick = [this] { RecoveryTick(RecoveryClock()); };
}

void MyFrame::RecoveryTouched() {
  if (m_Recovery) m_Recovery->Touched(RecoveryClock());
}

void MyFrame::RecoveryTick(std::int64_t nowMs) {
  // A tick inside another handler comes while a dialog or a message is open,
  // maybe half-way through a change: the copy waits until that is over.
  if (auto* app = dynamic_cast<MyApp*>(wxTheApp); app && app->HandlerDepth() > 1) return;
  if (!m_Recovery ||
      m_Recovery->Tick(nowMs, m_Canvas->m_Tool.GestureUnderway()) != GRecoveryEvent::kFailed)
    return;
  m_User->ShowMessage(StrFormat(Tr("Figuretta cannot keep a safety copy of your figure (%s).\nSave "
                                   "your figure so that it is not lost."),
                                m_Recovery->Why().c_str()),
                      N_("Safety copy"), GUser::kWarning);
}

bool MyFrame::OfferRecovery() {
  if (!m_Recovery) return false;
  std::vector<std::string> aside;
  std::optional<GLeftCopy> left = TakeLeftCopy(m_Recovery->Folder(), &aside);
  for (const std::string& a : aside) m_User->ShowMessage(Damaged(a), kCaption, GUser::kWarning);
  if (!left) return false;
  if (m_User->Ask(Question(*left), kCaption) != GUser::kYes) {
    left->Release();  // kept for a later start
    return false;
  }
  // Read whole or not at all: a copy that does not read is never half-opened.
  GDocument& doc = *m_Canvas->m_Doc;
  if (!OpenFigureText(doc, left->script).Opened()) {
    m_User->ShowMessage(Damaged(left->SetAside()), kCaption, GUser::kWarning);
    return false;
  }
  doc.Actions().Reset();  // Undo stops at the figure as it was brought back
  m_DocPath = left->origin;
  const std::string name = left->origin.empty() ? std::string("untitled") : FileName(left->origin);
  SetTitle(wxString::FromUTF8("Figuretta - " + name) + Translated(kNotSavedMark));
  doc.WriteLogFile("OnRecover: " + left->path + "\n");
  const std::string origin = left->origin;
  m_Recovery->Recovered(origin, std::move(*left));
  m_Canvas->Refresh(false);
  enableToolbar();
  return true;
}
