#pragma once

#include <expected>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "auth/AuthSettings.h"

struct ServerOptions {
  std::string host = "127.0.0.1";
  // 0 asks for any free port.
  unsigned port = 8787;
  // Empty means the default data folder.
  std::filesystem::path dataDirectory;
  bool testRoutes = false;
  bool showHelp = false;
  AuthSettings auth;
};

// Parses the command line after the program name. The error is one finished sentence.
std::expected<ServerOptions, std::string> parseServerOptions(
    std::span<const std::string_view> arguments);

std::string_view serverUsage();
