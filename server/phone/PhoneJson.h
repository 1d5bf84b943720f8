#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

#include "phone/PhoneCallLog.h"
#include "phone/PhoneLineStore.h"

namespace ondi::server {

// The connected number as the desktop reads it, with its agent's name and voice and the address
// the carrier's voice webhook calls on this origin.
nlohmann::json phoneLineJson(const PhoneLineStore::Line& line, std::string_view serviceOrigin);

// One call of the history; the completion time and duration only once it has completed.
nlohmann::json phoneCallJson(const PhoneCallLog::Call& call);

}  // namespace ondi::server
