#include "ui/account/WebsiteLink.h"

#include "core/util/Url.h"

namespace ondi::ui {

WebsiteLink::WebsiteLink(const std::string& caption, Address address, std::function<void()> follow,
                         const std::string& name)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 0),
      address_(std::move(address)),
      follow_(std::move(follow)) {
  caption_.set_text(caption);
  caption_.add_css_class("caption");
  caption_.add_css_class("dim-label");
  link_.set_name(name);
  link_.add_css_class("caption");
  link_.add_css_class("ondi-inline-link");
  append(caption_);
  append(link_);
  refresh();
  signal_map().connect([this] { refresh(); });
  // The program's own opener replaces the link button's, which goes through the desktop
  // portal and fails where there is none.
  link_.signal_activate_link().connect(
      [this] {
        refresh();
        if (link_.get_visible()) follow_();
        return true;
      },
      false);
}

void WebsiteLink::refresh() {
  const auto url = Url::parse(address_());
  caption_.set_visible(url.has_value());
  link_.set_visible(url.has_value());
  if (!url) return;
  link_.set_uri(url->string());
  link_.set_label(url->port() ? url->host() + ":" + std::to_string(*url->port()) : url->host());
}

}  // namespace ondi::ui
