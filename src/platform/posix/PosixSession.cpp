#include "platform/Session.hpp"

#include <iostream>

#include "platform/posix/LineEditor.hpp"
#include "platform/posix/PosixSystem.hpp"
#include "platform/posix/PosixTerminal.hpp"

namespace tavrik {

namespace {

class PosixSession final : public Session {
 public:
  explicit PosixSession(std::ostream& out)
      : terminal_(out), editor_(LineEditor::openIfTerminal()), system_(terminal_) {
    terminal_.readKeysFrom(input());
    if (editor_) editor_->readPlainWhile([this] { return terminal_.inputHidden(); });
  }

  // At a terminal every answer is read through the line editor; piped input
  // is read as it comes.
  std::istream& input() override { return editor_ ? editor_->stream() : std::cin; }
  Terminal& terminal() override { return terminal_; }
  System& system() override { return system_; }
  void attach(Console& console) override {
    if (editor_) editor_->attach(console);
  }

 private:
  PosixTerminal terminal_;  // first: put back last
  std::unique_ptr<LineEditor> editor_;
  PosixSystem system_;
};

}  // namespace

std::unique_ptr<Session> openSession(std::ostream& out) { return std::make_unique<PosixSession>(out); }

}  // namespace tavrik
