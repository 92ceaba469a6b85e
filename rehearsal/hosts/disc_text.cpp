#include "disc_text.h"

#include <sstream>
#include <vector>

#include "base/failure.h"

namespace velutreck {

namespace {

const std::string FirstLine = "Velutreck stand-in MiniDisc";

std::string Escaped(const std::string& field) {
    std::string escaped;
    for (char c : field) {
        switch (c) {
            case '\\': escaped += "\\\\"; break;
            case '\t': escaped += "\\t"; break;
            case '\n': escaped += "\\n"; break;
            case '\r': escaped += "\\r"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

[[noreturn]] void Damaged(std::size_t lineNumber) {
    throw Failure(FailureKind::FileSystem,
                  "The MiniDisc file is damaged at line " + std::to_string(lineNumber) + ".");
}

std::string Unescaped(const std::string& field, std::size_t lineNumber) {
    std::string plain;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            plain += field[i];
            continue;
        }
        if (++i == field.size()) {
            Damaged(lineNumber);
        }
        switch (field[i]) {
            case '\\': plain += '\\'; break;
            case 't': plain += '\t'; break;
            case 'n': plain += '\n'; break;
            case 'r': plain += '\r'; break;
            default: Damaged(lineNumber);
        }
    }
    return plain;
}

std::vector<std::string> Fields(const std::string& line, std::size_t lineNumber) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(Unescaped(line.substr(start, tab - start), lineNumber));
        start = tab + 1;
    }
    fields.push_back(Unescaped(line.substr(start), lineNumber));
    return fields;
}

}  // namespace

std::string DiscText(const MiniDisc& disc) {
    std::string text = FirstLine + "\ndisc\t" + Escaped(disc.title) + "\n";
    for (const DiscGroup& group : disc.groups) {
        text += "group\t" + Escaped(group.title) + "\n";
        for (const DiscTrack& track : group.tracks) {
            text += "track\t" + Escaped(track.mode) + "\t" + Escaped(track.title) + "\t" + Escaped(track.source) + "\n";
        }
    }
    return text;
}

MiniDisc ParseDiscText(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != FirstLine) {
        Damaged(1);
    }
    MiniDisc disc;
    bool titled = false;
    for (std::size_t lineNumber = 2; std::getline(lines, line); ++lineNumber) {
        const std::vector<std::string> fields = Fields(line, lineNumber);
        if (fields[0] == "disc" && fields.size() == 2 && !titled) {
            disc.title = fields[1];
            titled = true;
        } else if (fields[0] == "group" && fields.size() == 2 && titled) {
            disc.groups.push_back(DiscGroup{.title = fields[1], .tracks = {}});
        } else if (fields[0] == "track" && fields.size() == 4 && !disc.groups.empty()) {
            disc.groups.back().tracks.push_back(DiscTrack{.title = fields[2], .source = fields[3], .mode = fields[1]});
        } else {
            Damaged(lineNumber);
        }
    }
    if (!titled) {
        Damaged(2);
    }
    return disc;
}

}  // namespace velutreck
