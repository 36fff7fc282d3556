#include "RtfReader.h"

#include <QString>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

#include "ReportFiles.h"
#include "base/Cp1252.h"
#include "base/Errors.h"

namespace lumetra {
namespace {

[[noreturn]] void malformed() { fail(reportmsg::StreamLoadFailed); }

// Groups whose content is no document text.
const std::unordered_set<std::string_view>& skippedDestinations() {
    static const std::unordered_set<std::string_view> names = {"fonttbl",
                                                               "colortbl",
                                                               "stylesheet",
                                                               "info",
                                                               "pict",
                                                               "object",
                                                               "header",
                                                               "headerl",
                                                               "headerr",
                                                               "headerf",
                                                               "footer",
                                                               "footerl",
                                                               "footerr",
                                                               "footerf",
                                                               "footnote",
                                                               "listtable",
                                                               "listoverridetable",
                                                               "rsidtbl",
                                                               "revtbl",
                                                               "filetbl",
                                                               "generator",
                                                               "xmlnstbl",
                                                               "themedata",
                                                               "colorschememapping",
                                                               "latentstyles",
                                                               "datastore",
                                                               "mmathPr",
                                                               "pgdsctbl",
                                                               "fldinst",
                                                               "bkmkstart",
                                                               "bkmkend",
                                                               "title",
                                                               "author",
                                                               "operator",
                                                               "company",
                                                               "comment",
                                                               "subject",
                                                               "keywords",
                                                               "doccomm",
                                                               "private",
                                                               "nonshppict",
                                                               "shppict",
                                                               "userprops",
                                                               "wgrffmtfilter",
                                                               "pnseclvl",
                                                               "listtext",
                                                               "xe",
                                                               "tc",
                                                               "template"};
    return names;
}

struct GroupState {
    bool skip = false;
    int unicodeSkip = 1;  // \ucN: bytes standing in for each \uN
};

class Parser {
public:
    explicit Parser(std::string_view in) : in_(in) {}

    std::vector<std::string> run() {
        while (pos_ < in_.size() && std::isspace(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        if (pos_ >= in_.size() || in_[pos_] != '{') malformed();
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
                pendingSkip_ = 0;
            } else if (c == '}') {
                if (groups_.empty()) malformed();
                groups_.pop_back();
                pendingSkip_ = 0;
                if (groups_.empty()) break;  // whatever follows the document is not read
            } else if (c == '\\') {
                controlWord();
            } else if (c == '\r' || c == '\n') {
                // Line ends in RTF source carry no meaning.
            } else {
                text(c);
            }
        }
        if (!groups_.empty()) malformed();
        // The last paragraph needs no \par of its own.
        if (!line_.empty()) lines_.push_back(line_);
        return lines_;
    }

private:
    bool skipping() const { return groups_.empty() || groups_.back().skip; }

    void text(char c) {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (!skipping()) line_ += c;
    }

    void endLine() {
        pendingSkip_ = 0;
        if (skipping()) return;
        lines_.push_back(line_);
        line_.clear();
    }

    void controlWord() {
        if (pos_ >= in_.size()) malformed();
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        std::optional<long> param;
        std::size_t numStart = pos_;
        if (pos_ < in_.size() && in_[pos_] == '-') ++pos_;
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_])) &&
               pos_ - numStart < 11)
            ++pos_;
        if (pos_ > numStart && !(pos_ == numStart + 1 && in_[numStart] == '-'))
            param = std::stol(std::string(in_.substr(numStart, pos_ - numStart)));
        else
            pos_ = numStart;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        apply(word, param);
    }

    void controlSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                text(c);
                break;
            case '\'': {
                if (pos_ + 2 > in_.size()) malformed();
                const std::string hex(in_.substr(pos_, 2));
                pos_ += 2;
                if (!std::isxdigit(static_cast<unsigned char>(hex[0])) ||
                    !std::isxdigit(static_cast<unsigned char>(hex[1])))
                    malformed();
                text(static_cast<char>(std::stoi(hex, nullptr, 16)));
                break;
            }
            case '*':
                if (!groups_.empty()) groups_.back().skip = true;
                break;
            case '~':
                text('\xA0');
                break;
            case '_':
                text('-');
                break;
            case '\r':
            case '\n':
                endLine();  // a backslash before a line end is a \par
                break;
            case '\t':
                text('\t');
                break;
            default:
                // \- optional hyphen, \| formula char, \: index subentry: no visible text
                countsAsSkippedChar();
                break;
        }
    }

    void countsAsSkippedChar() {
        if (pendingSkip_ > 0) --pendingSkip_;
    }

    void apply(std::string_view word, std::optional<long> param) {
        if (skippedDestinations().count(word)) {
            if (!groups_.empty()) groups_.back().skip = true;
            return;
        }
        if (word == "par" || word == "line" || word == "sect" || word == "row") {
            endLine();
        } else if (word == "tab" || word == "cell") {
            text('\t');
        } else if (word == "uc") {
            if (!groups_.empty()) groups_.back().unicodeSkip = static_cast<int>(param.value_or(1));
        } else if (word == "u") {
            unicode(param.value_or(0));
        } else if (word == "bin") {
            // Binary data: skip its bytes unread.
            const long n = param.value_or(0);
            if (n < 0 || static_cast<std::size_t>(n) > in_.size() - pos_) malformed();
            pos_ += static_cast<std::size_t>(n);
        } else if (word == "emdash") {
            text('\x97');
        } else if (word == "endash") {
            text('\x96');
        } else if (word == "lquote") {
            text('\x91');
        } else if (word == "rquote") {
            text('\x92');
        } else if (word == "ldblquote") {
            text('\x93');
        } else if (word == "rdblquote") {
            text('\x94');
        } else if (word == "bullet") {
            text('\x95');
        } else {
            countsAsSkippedChar();
        }
    }

    void unicode(long value) {
        if (value < 0) value += 65536;
        // A character after which the fallback bytes follow; they must not show.
        const int skip = groups_.empty() ? 1 : groups_.back().unicodeSkip;
        pendingSkip_ = 0;
        if (!skipping()) {
            const char32_t cp = static_cast<char32_t>(value);
            line_ += toCp1252(QString::fromUcs4(&cp, 1));
        }
        pendingSkip_ = skip;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> groups_;
    int pendingSkip_ = 0;
    std::string line_;
    std::vector<std::string> lines_;
};

}  // namespace

bool RtfReader::looksLikeRtf(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i]))) ++i;
    return bytes.substr(i, 5) == "{\\rtf";
}

std::vector<std::string> RtfReader::read(std::string_view bytes) { return Parser(bytes).run(); }

}  // namespace lumetra
