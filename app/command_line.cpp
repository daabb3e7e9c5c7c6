#include "app/command_line.h"

#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "app/command_line_texts.h"
#include "catalogue/catalogue.h"

namespace command_line {
namespace {

// Qt's own options, as QGuiApplication, QApplication and the X11 platform read them: with one dash or
// two, the value in the next argument or, for some, after '='.
constexpr std::array<std::string_view, 5> kQtFlags = {"-reverse", "-testability", "-widgetcount", "-nograb", "-dograb"};
constexpr std::array<std::string_view, 17> kQtOptionsWithValue = {"-platform",
                                                                  "-platformpluginpath",
                                                                  "-platformtheme",
                                                                  "-plugin",
                                                                  "-qwindowgeometry",
                                                                  "-qwindowtitle",
                                                                  "-qwindowicon",
                                                                  "-geometry",
                                                                  "-title",
                                                                  "-icon",
                                                                  "-session",
                                                                  "-style",
                                                                  "-stylesheet",
                                                                  "-display",
                                                                  "-name",
                                                                  "-visual",
                                                                  "-qmljsdebugger"};
constexpr std::array<std::string_view, 3> kQtOptionsWithJoinedValue = {"-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N>
bool Among(std::string_view name, const std::array<std::string_view, N>& names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A name as the comparison of verbs sees it: without case and without accents ("Argüir" -> "arguir").
QString Folded(std::string_view name)
{
    const QString decomposed =
        QString::fromUtf8(name.data(), qsizetype(name.size())).normalized(QString::NormalizationForm_D);
    QString folded;
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    return folded.toCaseFolded();
}

// The verb the drill shows as `name`, case and accents aside; "lluir" also finds "lluir(forma pura)".
std::optional<int> VerbNamed(std::string_view name)
{
    const QString wanted = Folded(name);
    for (int verb = 1; verb <= catalogue::kVerbCount; ++verb) {
        const std::string_view infinitive = catalogue::infinitive(verb);
        if (wanted == Folded(infinitive) || wanted == Folded(infinitive.substr(0, infinitive.find('('))))
            return verb;
    }
    return std::nullopt;
}

std::optional<int> TenseNumbered(std::string_view number)
{
    int tense = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), tense);
    if (error != std::errc() || end != number.data() + number.size() || tense < 1 || tense > catalogue::kTenseCount)
        return std::nullopt;
    return tense;
}

class Parser {
public:
    Parser(const std::vector<std::string>& arguments, Language language) : arguments_(arguments), language_(language) {}

    Request parse()
    {
        for (next_ = 0; next_ < arguments_.size() && !request_.exitStatus;) {
            const std::size_t at = next_++;
            const std::string& argument = arguments_[at];
            if (argument == "--") {
                if (next_ < arguments_.size())
                    fail(Fault::Operand, arguments_[next_]);  // the drill takes no operands
                break;
            }
            if (argument.size() < 2 || argument[0] != '-')
                fail(Fault::Operand, argument);
            else if (!ownOption(argument) && !qtOption(argument, at))
                fail(Fault::UnknownOption, argument);
        }
        return std::move(request_);
    }

private:
    // The drill's options: --name, --name=value or --name value, and -h.
    bool ownOption(const std::string& argument)
    {
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const std::optional<std::string> joined =
            equals == std::string::npos ? std::nullopt : std::optional(argument.substr(equals + 1));
        if (argument == "-h") {
            end(Help(language_));
            return true;
        }
        if (name == "--help" || name == "--version" || name == "--feedback") {
            if (joined)
                fail(Fault::ValueNotAllowed, name);
            else if (name == "--help")
                end(Help(language_));
            else if (name == "--version")
                end(Version());
            else
                request_.practice.feedback = true;
            return true;
        }
        if (name != "--tenses" && name != "--verbs")
            return false;
        std::string value;
        if (joined) {
            value = *joined;
        } else if (next_ < arguments_.size()) {
            value = arguments_[next_++];
        } else {
            fail(Fault::ValueMissing, name);
            return true;
        }
        readList(name, value);
        return true;
    }

    void readList(const std::string& option, const std::string& list)
    {
        if (Trimmed(list).empty()) {
            fail(Fault::EmptyList, list, option);
            return;
        }
        const bool tenses = option == "--tenses";
        std::vector<int>& chosen = tenses ? request_.practice.choice.tenses : request_.practice.choice.verbs;
        std::string_view rest = list;
        for (;;) {
            const auto comma = rest.find(',');
            const std::string_view item = Trimmed(rest.substr(0, comma));
            if (item.empty()) {
                fail(Fault::EmptyItem, list, option);
                return;
            }
            const std::optional<int> number = tenses ? TenseNumbered(item) : VerbNamed(item);
            if (!number) {
                fail(tenses ? Fault::NoSuchTense : Fault::NoSuchVerb, std::string(item));
                return;
            }
            if (std::find(chosen.begin(), chosen.end(), *number) == chosen.end())
                chosen.push_back(*number);
            if (comma == std::string_view::npos)
                return;
            rest.remove_prefix(comma + 1);
        }
    }

    // Qt's options are left where they are for Qt, with their values.
    bool qtOption(const std::string& argument, std::size_t at)
    {
        const std::string_view name = std::string_view(argument).substr(argument.starts_with("--") ? 1 : 0);
        const bool joined = std::any_of(kQtOptionsWithJoinedValue.begin(), kQtOptionsWithJoinedValue.end(),
                                        [&](std::string_view option) { return name.starts_with(option); });
        if (Among(name, kQtFlags) || joined) {
            request_.forQt.push_back(at);
        } else if (Among(name, kQtOptionsWithValue)) {
            if (next_ >= arguments_.size()) {
                fail(Fault::ValueMissing, argument);
            } else {
                request_.forQt.push_back(at);
                request_.forQt.push_back(next_++);
            }
        } else {
            return false;
        }
        return true;
    }

    void end(std::string output)
    {
        request_.exitStatus = 0;
        request_.output = std::move(output);
    }

    void fail(Fault fault, const std::string& item, const std::string& option = {})
    {
        request_.exitStatus = 2;
        request_.errors = Complaint(language_, fault, item, option);
    }

    const std::vector<std::string>& arguments_;
    const Language language_;
    std::size_t next_ = 0;
    Request request_;
};

}  // namespace

Language LanguageOfEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return std::string_view(value).starts_with("ca") ? Language::Catalan : Language::English;
    }
    return Language::English;
}

Request Parse(const std::vector<std::string>& arguments, Language language)
{
    return Parser(arguments, language).parse();
}

Request Read(int& argc, char** argv)
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    Request request = Parse(arguments, LanguageOfEnvironment());
    std::fputs(request.output.c_str(), stdout);
    std::fputs(request.errors.c_str(), stderr);
    int kept = std::min(argc, 1);
    for (std::size_t at : request.forQt)
        argv[kept++] = argv[at + 1];
    argv[kept] = nullptr;
    argc = kept;
    return request;
}

}  // namespace command_line
