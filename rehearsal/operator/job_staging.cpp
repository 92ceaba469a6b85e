#include "rehearsal/operator/job_staging.h"

#include <filesystem>

#include "platform/win32/wide_text.h"
#include "rehearsal/operator/sample_files.h"
#include "rehearsal/operator/velutreck_process.h"

namespace velutreck::operating {

void StageProjectAndTempFolder(const std::string& project, const std::string& tempFolder) {
    WriteBytes(project, "");
    std::filesystem::create_directories(std::filesystem::path(Widen(tempFolder)));
    windowtest::StoreSetting("AudioProject", project);
    windowtest::StoreSetting("TempFolder", tempFolder);
}

}  // namespace velutreck::operating
