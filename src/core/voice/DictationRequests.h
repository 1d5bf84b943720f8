#pragma once

#include <string>

namespace ondi {

class SurfaceChannel;

// Answers the page's dictation requests. No speech recognizer is installed on this desktop
// yet, so every request is told so.
class DictationRequests {
 public:
  explicit DictationRequests(SurfaceChannel& page) : page_(page) {}

  void handle(const std::string& action, const std::string& draft);

 private:
  SurfaceChannel& page_;
};

}  // namespace ondi
