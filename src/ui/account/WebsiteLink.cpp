#include "ui/account/WebsiteLink.h"

#include "core/util/Url.h"

namespace ondi::ui {

WebsiteLink::WebsiteLink(const std::string& caption, const std::string& address,
                         const std::string& name)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 0) {
  const auto url = Url::parse(address);
  set_visible(url.has_value());
  if (!url) return;
  caption_.set_text(caption);
  caption_.add_css_class("caption");
  caption_.add_css_class("dim-label");
  link_.set_uri(url->string());
  link_.set_label(url->port() ? url->host() + ":" + std::to_string(*url->port()) : url->host());
  link_.set_name(name);
  link_.add_css_class("caption");
  link_.add_css_class("ondi-inline-link");
  append(caption_);
  append(link_);
}

}  // namespace ondi::ui
