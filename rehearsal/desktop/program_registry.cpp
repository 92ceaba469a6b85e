#include "rehearsal/desktop/program_registry.h"

#include <stdexcept>

#include "rehearsal/desktop/sim_text.h"

namespace velutreck {

namespace {

// ".nra" for "C:\Audio\Empty.nra"; empty when the file name has no dot.
std::string ExtensionOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    return FoldCase(path.substr(dot));
}

}  // namespace

void ProgramRegistry::Install(const std::string& path, StandInFactory factory) {
    programs_[FoldCase(path)] = Program{path, std::move(factory)};
}

void ProgramRegistry::Associate(const std::string& extension, const std::string& programPath) {
    associations_[FoldCase(extension)] = programPath;
}

std::optional<ProgramLaunch> ProgramRegistry::FromCommandLine(const std::string& commandLine) const {
    const Program* best = nullptr;
    for (const auto& [key, program] : programs_) {
        const std::size_t length = program.path.size();
        const bool ends = commandLine.size() == length || (commandLine.size() > length && commandLine[length] == ' ');
        if (ends && StartsWithIgnoringCase(commandLine, program.path) && (!best || length > best->path.size())) {
            best = &program;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    const std::size_t length = best->path.size();
    return ProgramLaunch{best->path, commandLine.size() > length ? commandLine.substr(length + 1) : std::string()};
}

std::optional<ProgramLaunch> ProgramRegistry::FromShellOpen(const std::string& file, const std::string& parameters,
                                                            const FileSystem& files) const {
    const auto program = programs_.find(FoldCase(file));
    if (program != programs_.end()) {
        return ProgramLaunch{program->second.path, parameters};
    }
    const auto association = associations_.find(ExtensionOf(file));
    if (association != associations_.end() && programs_.contains(FoldCase(association->second)) &&
        files.FileExists(file)) {
        return ProgramLaunch{association->second, file};
    }
    return std::nullopt;
}

const StandInFactory& ProgramRegistry::Factory(const std::string& programPath) const {
    const auto program = programs_.find(FoldCase(programPath));
    if (program == programs_.end()) {
        throw std::out_of_range("No program is installed at " + programPath);
    }
    return program->second.factory;
}

}  // namespace velutreck
