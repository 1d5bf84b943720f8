#include <memory>

#include "platform/linux/DesktopComposition.h"
#include "platform/linux/GlibLogger.h"
#include "platform/linux/SoftwareGLRendering.h"
#include "ui/app/OndiApplication.h"

int main(int argc, char** argv) {
  using namespace ondi;
  platform::GlibLogger::installWriter();
  auto application = ui::OndiApplication::create(Gio::Application::Flags::DEFAULT_FLAGS);
  std::unique_ptr<platform::DesktopComposition> composition;
  application->signal_startup().connect([&] {
    platform::GlibLogger logger;
    platform::drawWithCairoOnSoftwareGL(logger);
    composition =
        std::make_unique<platform::DesktopComposition>(platform::DesktopFolders::forCurrentUser());
    application->attach(composition->model, composition->logger, composition->scheduler);
  });
  application->signal_shutdown().connect([&] { composition.reset(); });
  return application->run(argc, argv);
}
