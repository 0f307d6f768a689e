#include "copy/drop_routing.h"
#include "common/text_compare.h"
#include "copy/media_extensions.h"
#include <cstring>

std::string DropItemExtension(const std::string& path) {
    size_t dot = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == ' ')
            dot = std::string::npos;
        else if (path[i] == '.')
            dot = i;
    }
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string RouteByExtension(const std::string& path) {
    const std::string extension = LowerCaseText(DropItemExtension(path));
    if (extension.empty()) return "\\Shared Data\\Others";
    // A substring search of the list text: partial extensions match the entries that contain them.
    struct Route {
        const char* list;
        const char* folder;
    };
    static const Route kRoutes[] = {{g_musicExtensions, "\\Shared Media\\Music"},
                                    {g_videoExtensions, "\\Shared Media\\Video"},
                                    {g_photoExtensions, "\\Shared Media\\Photo"},
                                    {g_programExtensions, "\\Shared Data\\Program"}};
    for (const Route& route : kRoutes) {
        if (std::strstr(route.list, extension.c_str())) return route.folder;
    }
    return "\\Shared Data\\Document";
}

std::string BuildDropDestination(const std::string& deviceName, const std::string& droppedPath) {
    std::string remainder;
    const size_t colon = droppedPath.find(':');
    if (colon != std::string::npos && colon >= 1) {
        remainder = droppedPath.substr(colon + 1);
    } else if (droppedPath.compare(0, 2, "\\\\") == 0) {
        const size_t slash = droppedPath.find('\\', 2);
        if (slash == std::string::npos || slash == 2) return std::string();
        remainder = droppedPath.substr(slash);
    } else {
        return std::string();
    }
    return "\\\\" + deviceName + RouteByExtension(remainder);
}
