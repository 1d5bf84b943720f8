#pragma once

#include <string>
#include <vector>

namespace ondi {

// A quick answer of the support screen, shown collapsed under its question.
struct SupportAnswer {
  std::string question;
  std::string answer;
};

const std::vector<SupportAnswer>& supportAnswers();

}  // namespace ondi
