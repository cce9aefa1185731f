#pragma once
// The two modal message boxes through which the programs talk to the user, behind an interface
// that the window implements with real boxes and a test replaces with a recording fake.
#include <string>

namespace shell {

enum class Answer { Yes, No, Cancel };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Error box: stop icon, caption "Error", one OK button; returns when it is closed.
  virtual void errorBox(const std::string& message) = 0;
  // Confirmation box: question icon, Yes / No / Cancel, Yes default, Cancel on Esc.
  virtual Answer confirmationBox(const std::string& question, const std::string& caption) = 0;
};

inline constexpr const char* kConfirmCaption = "Confirm";
inline constexpr const char* kExitQuestion = "Do You really want to exit the application?";
inline constexpr const char* kExitCaption = "Exit";

// Asked before a window closes: true only for Yes.
bool exitQuestion(MessageBoxes& boxes);

// The text of the general failure report: a full stop is added unless the text is empty or
// already ends in a full stop or a character that sorts before it (blank, "!", ")" ...).
std::string failureReportText(const std::string& failureText);

}  // namespace shell
