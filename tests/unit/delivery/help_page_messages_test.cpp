// The help page against the program, both ways. Every text the page says the program shows (marked
// class="said") must be one the program can show: each fixed piece of such a text, the parts
// between the placeholders the page writes as <var>...</var> or &hellip;, has to appear in a string
// literal of the program's sources (adjacent literals joined as the compiler joins them), or be
// composed of literals the way the program composes a message. And every message the program can
// show must be quoted in the page: each literal that begins "Error: ", and each literal of more
// than one word in a text named as a message or a question (SecondInstanceMessage,
// ReplaceQuestion), has to lie within one of the page's quotes, between its placeholders.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velutreck {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs of white space become one space, so that line breaks in the page and \r\n in a message
// compare alike.
std::string Collapsed(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!space) {
            out += c;
        } else if (!out.empty() && out.back() != ' ') {
            out += ' ';
        }
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

char Unescaped(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return c;
    }
}

struct Literal {
    std::string text;
    std::size_t at;  // where it begins in its source

    bool operator==(const Literal&) const = default;
};

// The string literals of one source file, comments and character literals skipped, each run of
// adjacent literals joined into one.
std::vector<Literal> StringLiterals(const std::string& source) {
    std::vector<Literal> literals;
    bool joinNext = false;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (source.compare(i, 2, "//") == 0) {
            i = source.find('\n', i);
            if (i == std::string::npos) {
                break;
            }
        } else if (source.compare(i, 2, "/*") == 0) {
            i = source.find("*/", i + 2) + 1;
        } else if (c == '\'' && i > 0 && std::isxdigit(static_cast<unsigned char>(source[i - 1])) &&
                   std::isxdigit(static_cast<unsigned char>(source[i + 1]))) {
            // A digit separator (the prefix of U'0' is no digit).
        } else if (c == '\'') {
            for (++i; i < source.size() && source[i] != '\''; ++i) {
                i += source[i] == '\\' ? 1 : 0;
            }
            joinNext = false;
        } else if (c == '"') {
            const std::size_t at = i;
            std::string text;
            for (++i; i < source.size() && source[i] != '"'; ++i) {
                text += source[i] == '\\' ? Unescaped(source[++i]) : source[i];
            }
            if (joinNext) {
                literals.back().text += text;
            } else {
                literals.push_back({text, at});
            }
            joinNext = true;
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            joinNext = false;
        }
    }
    return literals;
}

template <typename Visit>
void ForEachSource(Visit&& visit) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(VELUTRECK_SOURCE_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".cpp" || extension == ".h") {
            visit(entry.path().filename().string(), ReadFile(entry.path()));
        }
    }
}

std::vector<std::string> ProgramLiterals() {
    std::vector<std::string> all;
    ForEachSource([&](const std::string&, const std::string& source) {
        for (const Literal& literal : StringLiterals(source)) {
            if (const std::string text = Collapsed(literal.text); !text.empty()) {
                all.push_back(text);
            }
        }
    });
    return all;
}

// Where the source defines a message or a question: a constant up to its ";", or a function (its
// closing brace at the line's start) whose name ends so.
std::vector<std::pair<std::size_t, std::size_t>> MessageDefinitions(const std::string& source) {
    static const std::regex definition(
        "(^|\\n)(inline )?(const(expr)? )?std::string(_view)? \\w*(Message|Question)\\b[^;{]*?(=|\\{)");
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (std::sregex_iterator match(source.begin(), source.end(), definition), end; match != end; ++match) {
        const std::size_t from = static_cast<std::size_t>(match->position() + match->length());
        ranges.emplace_back(from, source.find((*match)[7] == "=" ? ";" : "\n}", from));
    }
    return ranges;
}

// The fixed pieces of what the source can show in a message box.
std::vector<std::string> MessagePieces(const std::string& source) {
    const auto definitions = MessageDefinitions(source);
    std::vector<std::string> pieces;
    for (const Literal& literal : StringLiterals(source)) {
        const std::string text = Collapsed(literal.text);
        const bool inMessage = std::any_of(definitions.begin(), definitions.end(), [&](const auto& range) {
            return literal.at >= range.first && literal.at < range.second;
        });
        if (text.starts_with("Error: ") || (inMessage && text.find(' ') != std::string::npos)) {
            pieces.push_back(text);
        }
    }
    return pieces;
}

bool EndsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Whether the program can compose the piece as it composes its messages: within one literal, or
// the end of one literal, whole literals (named constants), and the start of another, joined
// where a space may fall between them.
bool Composable(const std::string& piece, const std::vector<std::string>& literals) {
    const std::size_t n = piece.size();
    std::vector<bool> reached(n + 1, false);
    for (const std::string& literal : literals) {
        if (literal.find(piece) != std::string::npos) {
            return true;
        }
        for (std::size_t k = 1; k < n && k <= literal.size(); ++k) {
            reached[k] = reached[k] || EndsWith(literal, std::string_view(piece).substr(0, k));
        }
    }
    for (std::size_t at = 1; at < n; ++at) {
        if (!reached[at]) {
            continue;
        }
        const std::size_t from = piece[at] == ' ' ? at + 1 : at;
        const std::string rest = piece.substr(from);
        for (const std::string& literal : literals) {
            if (literal.compare(0, rest.size(), rest) == 0) {
                return true;
            }
            if (rest.compare(0, literal.size(), literal) == 0) {
                reached[from + literal.size()] = true;
            }
        }
    }
    return reached[n];
}

std::string DecodedEntities(std::string text) {
    static const std::vector<std::pair<std::string, std::string>> entities = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&rsquo;", "'"}, {"&nbsp;", " "}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// The fixed pieces of one marked text.
std::vector<std::string> FixedPieces(const std::string& said) {
    static const std::regex placeholder("<var>[^<]*</var>|&hellip;");
    std::vector<std::string> pieces;
    for (std::sregex_token_iterator piece(said.begin(), said.end(), placeholder, -1), end; piece != end; ++piece) {
        const std::string text = Collapsed(DecodedEntities(piece->str()));
        if (!text.empty()) {
            pieces.push_back(text);
        }
    }
    return pieces;
}

// The fixed pieces of every text the page quotes, each quote's pieces together.
std::vector<std::vector<std::string>> PageQuotes() {
    const std::string page = ReadFile(VELUTRECK_HELP_PAGE);
    static const std::regex said("<(span|div) class=\"said\">([\\s\\S]*?)</\\1>");
    std::vector<std::vector<std::string>> quotes;
    for (std::sregex_iterator match(page.begin(), page.end(), said), end; match != end; ++match) {
        quotes.push_back(FixedPieces((*match)[2].str()));
    }
    return quotes;
}

TEST(HelpPageMessages, EveryTextThePageQuotesFromTheProgramIsOneItCanShow) {
    const std::vector<std::string> literals = ProgramLiterals();
    const std::vector<std::vector<std::string>> quotes = PageQuotes();
    for (const std::vector<std::string>& quote : quotes) {
        for (const std::string& piece : quote) {
            EXPECT_EQ(piece.find('<'), std::string::npos) << "markup inside a quoted text: " << piece;
            EXPECT_TRUE(Composable(piece, literals)) << "the program never says: " << piece;
        }
    }
    // The page quotes the program throughout: a handful would mean the marks were lost.
    EXPECT_GE(quotes.size(), 40u);
}

TEST(HelpPageMessages, EveryMessageTheProgramCanShowIsQuotedInThePage) {
    const std::vector<std::vector<std::string>> quotes = PageQuotes();
    const auto quoted = [&](const std::string& text) {
        return std::any_of(quotes.begin(), quotes.end(), [&](const std::vector<std::string>& quote) {
            return std::any_of(quote.begin(), quote.end(),
                               [&](const std::string& piece) { return piece.find(text) != std::string::npos; });
        });
    };
    int messages = 0;
    ForEachSource([&](const std::string& file, const std::string& source) {
        for (const std::string& piece : MessagePieces(source)) {
            ++messages;
            EXPECT_TRUE(quoted(piece)) << "the page never quotes (" << file << "): " << piece;
        }
    });
    EXPECT_GE(messages, 30);
}

TEST(HelpPageMessages, LiteralsAreReadAsTheCompilerJoinsThemAndPiecesAsTheProgramComposesThem) {
    EXPECT_EQ(StringLiterals("// don't \"x\"\nauto a = \"One \" \"two\";\n/* \"no\" */ f('\"', 1'000, \"a\\\"b\\r\\n\");"),
              (std::vector<Literal>{{"One two", 22}, {"a\"b\r\n", 61}}));
    EXPECT_EQ(MessagePieces("const std::string BusyMessage =\n    \"Wait for \" \"it.\";\n"
                            "std::string Other() { return \"Not a message.\"; }\n"
                            "std::string AskQuestion(int n) {\n    return \"Shall \" + x + \", or not?\";\n}\n"
                            "std::string FormQuestion(int n);\n"
                            "void f() { Show(\"Error: Broken.\", \"Neither this.\"); }\n"),
              (std::vector<std::string>{"Wait for it.", ", or not?", "Error: Broken."}));
    const std::vector<std::string> literals = {"Error:", "Nero", "runs as administrator.", "Run both."};
    EXPECT_TRUE(Composable("runs as administrator. Run both.", literals));
    EXPECT_TRUE(Composable("Error: Nero runs as", literals));
    EXPECT_FALSE(Composable("runs as administrator. Run both. Or neither.", literals));
    EXPECT_FALSE(Composable("Run both as administrator.", literals));
    EXPECT_EQ(FixedPieces("Error: <var>C:\\Temp\\</var> does\n   not exist.&hellip;&amp; more"),
              (std::vector<std::string>{"Error:", "does not exist.", "& more"}));
}

}  // namespace
}  // namespace velutreck
