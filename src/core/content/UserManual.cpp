#include "content/UserManual.h"

#include "settings/Paths.h"

namespace fs = std::filesystem;

namespace jm {

fs::path userManualPath()
{
    const fs::path name = fs::path("Help") / "用户手册.html";
    const fs::path beside = programDirectory() / name;
    const fs::path candidates[] = {
        beside,
        programDirectory().parent_path() / JIAMING_RELATIVE_DATADIR / name,
        fs::path(JIAMING_INSTALL_DATADIR) / name,
    };
    std::error_code ec;
    for (const fs::path& p : candidates)
        if (fs::is_regular_file(p, ec)) return p;
    return beside;
}

} // namespace jm
