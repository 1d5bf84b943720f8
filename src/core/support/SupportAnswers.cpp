#include "core/support/SupportAnswers.h"

namespace ondi {

const std::vector<SupportAnswer>& supportAnswers() {
  static const std::vector<SupportAnswer> answers{
      {"Where do browser requests open?",
       "Ondi opens sites in its in-app Browser by default. Say Chrome or Safari explicitly to "
       "use an external browser."},
      {"How are customer actions handled?",
       "Customer-facing messages, app spending, and publish actions remain approval-first."},
      {"Why does Voice need microphone access?",
       "Realtime Voice needs microphone permission on this computer. You can manage it in the "
       "desktop's microphone settings."},
  };
  return answers;
}

}  // namespace ondi
