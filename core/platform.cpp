#include "core/platform.h"

#include <cstdlib>
#include <filesystem>

namespace rotacle {

std::string Platform::AppDataFolder() {
    namespace fs = std::filesystem;
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        base = fs::temp_directory_path();
    const fs::path dir = base / "rotacle";
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir.string();
}

}  // namespace rotacle
