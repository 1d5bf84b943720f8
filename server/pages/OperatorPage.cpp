#include "pages/OperatorPage.h"

#include "pages/ServerResource.h"

namespace ondi::server {

const std::string& operatorPageHtml() {
  static const std::string html = serverResourceText("operator.html");
  return html;
}

}  // namespace ondi::server
