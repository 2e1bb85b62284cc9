#pragma once

namespace forms {

// Message box styles and answers, with the platform's values.
enum MessageStyle : int {
  kStyleError = 16,                // stop icon, OK
  kStyleExclamation = 48,          // exclamation icon, OK
  kStyleYesNoCancelQuestion = 51,  // exclamation icon, Yes No Cancel
  kStyleYesNoQuestion = 52,        // exclamation icon, Yes No
};

enum Answer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

inline constexpr const char* kMessageTitle = "Message TARVENO";

inline bool IsQuestion(int style) {
  return style == kStyleYesNoCancelQuestion || style == kStyleYesNoQuestion;
}

}  // namespace forms
