// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/cli.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>
#include <variant>

#include "app/save_to_file.h"
#include "catalogue/catalogue.h"
#include "catalogue/themes.h"
#include "cli/date.h"
#include "cli/text.h"
#include "engine/numerology.h"
#include "report/report.h"

namespace morvane::cli {
namespace {

constexpr std::string_view kProgram = "morvane-cli";

constexpr std::string_view kUsage =
    "Usage: morvane-cli COMMAND [OPTION]... ARGUMENT...\n"
    "Name numbers, birth and destiny numbers with their working and readings.\n"
    "\n"
    "Commands:\n"
    "  name NAME...          the name number, its working and its reading\n"
    "  birth DATE...         the birth and destiny numbers and their readings\n"
    "  number N...           the reading of a number from 1 to 52\n"
    "  compare SPELLING...   spellings side by side, with their numbers and themes\n"
    "  help [COMMAND]        this text, or a command's\n"
    "\n"
    "A single argument - reads one item per line from standard input.\n"
    "\n"
    "Options:\n"
    "  --format=text|csv|json  output for people (the default) or for scripts\n"
    "  -h, --help              show help and exit\n"
    "  --version               show the product and version and exit\n"
    "\n"
    "Exit status: 0 when every input was read, 1 when any was refused,\n"
    "2 for a usage error. 'morvane-cli help COMMAND' shows a command's options.\n";

struct CommandInfo {
    std::string_view name;
    std::string_view help;
    bool fold;     // takes --fold
    bool report;   // takes --report
    bool compare;  // takes --born, --suggest, --sort
};

constexpr CommandInfo kCommands[] = {
    {"name",
     "Usage: morvane-cli name [OPTION]... NAME...\n"
     "The name number of each NAME, as the window gives it for the same typed\n"
     "text (capitals lowered), the working in full and the reading.\n"
     "\n"
     "  --format=text|csv|json  output for people or for scripts\n"
     "  --fold[=de]             transliterate letters a to z does not hold (ICU):\n"
     "                          any script to Latin, accents dropped; =de writes\n"
     "                          ae oe ue for a umlaut o umlaut u umlaut\n"
     "  --report=FILE           write the window's report for one NAME\n",
     true, true, false},
    {"birth",
     "Usage: morvane-cli birth [OPTION]... DATE...\n"
     "The birth number and the destiny number of each date, with the working\n"
     "and both readings. DATE is DD/MM/YYYY, D/M/YYYY, DD.MM.YYYY or YYYY-MM-DD.\n"
     "\n"
     "  --format=text|csv|json  output for people or for scripts\n"
     "  --report=FILE           write the window's report for one DATE\n",
     false, true, false},
    {"number",
     "Usage: morvane-cli number [OPTION]... N...\n"
     "The reading of each number from 1 to 52; any other gets the window's\n"
     "\"not a valid number\" answer.\n"
     "\n"
     "  --format=text|csv|json  output for people or for scripts\n"
     "  --report=FILE           write the window's report for one N\n",
     false, true, false},
    {"compare",
     "Usage: morvane-cli compare [OPTION]... SPELLING...\n"
     "One row per spelling: its letter total, name number, root digit and the\n"
     "theme of its reading, in the order given.\n"
     "\n"
     "  --format=text|csv|json  output for people or for scripts\n"
     "  --fold[=de]             transliterate as for 'name'\n"
     "  --born=DATE             whether each root agrees with the birth number's\n"
     "                          root or the destiny number\n"
     "  --suggest=N             add up to N variants of the first spelling (a\n"
     "                          letter doubled or one added at the end), those\n"
     "                          that agree with --born first\n"
     "  --sort                  order the rows by name number\n",
     true, false, true},
};

const CommandInfo* FindCommand(std::string_view name) {
    const auto* it = std::ranges::find(kCommands, name, &CommandInfo::name);
    return it != std::end(kCommands) ? it : nullptr;
}

struct UsageError {
    std::string message;
};

struct Options {
    const CommandInfo* command = nullptr;
    Format format = Format::Text;
    std::optional<FoldRule> fold;
    std::optional<std::string> report;
    std::optional<std::string> born;
    std::size_t suggest = 0;
    bool sort = false;
    bool help = false;
    std::vector<std::string> inputs;
    bool from_stdin = false;
};

// "--name=value" or "--name value"; advances `i` past a separate value.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                       std::string_view name) {
    const std::string_view arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size()) {
            throw UsageError{std::string(name) + " needs a value"};
        }
        return args[++i];
    }
    if (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=') {
        return std::string(arg.substr(name.size() + 1));
    }
    return std::nullopt;
}

Options ParseOptions(const CommandInfo& command, const std::vector<std::string>& args) {
    Options options;
    options.command = &command;
    bool options_end = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options_end || arg == "-" || !arg.starts_with("-")) {
            options.inputs.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            options_end = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (auto format = OptionValue(args, i, "--format")) {
            if (*format == "text") {
                options.format = Format::Text;
            } else if (*format == "csv") {
                options.format = Format::Csv;
            } else if (*format == "json") {
                options.format = Format::Json;
            } else {
                throw UsageError{"--format takes text, csv or json, not \"" + *format + "\""};
            }
        } else if (command.fold && (arg == "--fold" || arg.starts_with("--fold="))) {
            if (arg == "--fold") {
                options.fold = FoldRule::Any;
            } else if (arg == "--fold=de") {
                options.fold = FoldRule::German;
            } else {
                throw UsageError{"--fold takes no value or =de, not \"" +
                                 std::string(arg.substr(7)) + "\""};
            }
        } else if (auto report = command.report ? OptionValue(args, i, "--report") : std::nullopt) {
            options.report = *report;
        } else if (auto born = command.compare ? OptionValue(args, i, "--born") : std::nullopt) {
            options.born = *born;
        } else if (auto suggest =
                       command.compare ? OptionValue(args, i, "--suggest") : std::nullopt) {
            const char* end = suggest->data() + suggest->size();
            const auto [ptr, ec] = std::from_chars(suggest->data(), end, options.suggest);
            if (ec != std::errc() || ptr != end) {
                throw UsageError{"--suggest takes a count, not \"" + *suggest + "\""};
            }
        } else if (command.compare && arg == "--sort") {
            options.sort = true;
        } else {
            throw UsageError{"'" + std::string(command.name) + "' has no option " +
                             std::string(arg)};
        }
    }
    if (options.help) {
        return options;
    }
    if (options.inputs.empty()) {
        throw UsageError{"'" + std::string(command.name) + "' needs at least one argument"};
    }
    options.from_stdin = options.inputs.size() == 1 && options.inputs[0] == "-";
    if (options.report && (options.from_stdin || options.inputs.size() != 1)) {
        throw UsageError{"--report writes the report of one item; give exactly one"};
    }
    if (options.from_stdin && (options.sort || options.suggest > 0)) {
        throw UsageError{"--sort and --suggest need the spellings as arguments, not from -"};
    }
    return options;
}

// An input as messages quote it: short enough to read.
std::string Shown(std::string_view input) {
    constexpr std::size_t kLongest = 60;
    return input.size() <= kLongest ? std::string(input)
                                    : std::string(input.substr(0, kLongest)) + "...";
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The desktop's side of Save To File, on a terminal: the path is given, the
// messages go to standard error.
class CommandLineReport : public MessageService, public SaveAsService, public BusyCursorService {
  public:
    CommandLineReport(std::string path, std::ostream& err) : path_(std::move(path)), err_(err) {}
    void Show(std::string_view text, MessageIcon /*icon*/) override {
        failed = true;
        err_ << kProgram << ": " << path_ << ": " << text << "\n";
    }
    std::optional<std::string> AskPath(const SaveAsRequest& /*request*/) override { return path_; }
    void Begin() override {}
    void End() override {}
    bool failed = false;

  private:
    std::string path_;
    std::ostream& err_;
};

class Runner {
  public:
    Runner(Options options, Io& io)
        : options_(std::move(options)),
          io_(io),
          writer_(io.out, options_.format, options_.format == Format::Text ? io.wrap_width : 0) {}

    int Run();

  private:
    using Handler = std::optional<std::string> (Runner::*)(std::string_view);
    void ForEachItem(Handler handler);
    void Refuse(std::string_view where, std::string_view message);

    std::optional<std::string> Name(std::string_view typed);
    std::optional<std::string> Birth(std::string_view typed);
    std::optional<std::string> Number(std::string_view typed);
    std::optional<std::string> Compare(std::string_view typed);
    int CompareAll();

    struct Counted {
        std::string lowered;  // as the window's field would hold it
        std::string counted;  // what the letter table reads: lowered, folded with --fold
    };
    Counted Count(std::string_view typed);
    void NoteUncounted(std::string_view typed, std::string_view lowered);
    Folder* Fold(std::optional<std::unique_ptr<Folder>>& slot, FoldRule rule);
    Record CompareRow(std::string_view spelling, bool suggested);
    void SaveReport(const ReportLayout& layout, std::vector<std::string> fields);

    Options options_;
    Io& io_;
    RecordWriter writer_;
    int status_ = kExitOk;
    std::optional<std::unique_ptr<Folder>> folder_;       // --fold's
    std::optional<std::unique_ptr<Folder>> note_folder_;  // for the note without --fold
    std::optional<std::pair<int, int>> born_roots_;       // birth and destiny roots
    std::size_t spelling_width_ = 24;
};

void Runner::Refuse(std::string_view where, std::string_view message) {
    status_ = kExitRefused;
    io_.err << kProgram << ": " << where << (where.empty() ? "" : ": ") << message << "\n";
}

void Runner::ForEachItem(Handler handler) {
    const auto handle = [&](std::string_view item, const std::string& where) {
        if (item.find('\0') != std::string_view::npos) {
            Refuse(where, "holds a NUL byte");
        } else if (!IsValidUtf8(item)) {
            Refuse(where, "is not valid UTF-8");
        } else if (auto problem = (this->*handler)(item)) {
            // Arguments name themselves; a line is found by its number.
            Refuse(options_.from_stdin ? where : "", *problem);
        }
    };
    if (!options_.from_stdin) {
        for (std::size_t i = 0; i < options_.inputs.size() && !io_.out.failed(); ++i) {
            handle(options_.inputs[i], "argument " + std::to_string(i + 1));
        }
        return;
    }
    std::string line;
    for (std::size_t number = 1; !io_.out.failed() && std::getline(io_.in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!IsBlank(line)) {
            handle(line, "line " + std::to_string(number));
        }
    }
}

Folder* Runner::Fold(std::optional<std::unique_ptr<Folder>>& slot, FoldRule rule) {
    if (!slot) {
        std::string error;
        slot = Folder::Create(rule, error);
        if (!*slot) {
            io_.err << kProgram << ": " << error << "\n";
        }
    }
    return slot->get();
}

Runner::Counted Runner::Count(std::string_view typed) {
    Counted counted;
    counted.lowered = LowerAsTyped(typed);
    if (options_.fold) {
        Folder* folder = Fold(folder_, *options_.fold);
        counted.counted = folder ? folder->Fold(counted.lowered) : counted.lowered;
    } else {
        NoteUncounted(typed, counted.lowered);
        counted.counted = counted.lowered;
    }
    return counted;
}

void Runner::NoteUncounted(std::string_view typed, std::string_view lowered) {
    const std::vector<std::string> letters = UncountedLetters(lowered);
    if (letters.empty()) {
        return;
    }
    std::string quoted;
    std::string folded;
    Folder* folder = Fold(note_folder_, FoldRule::Any);
    for (const std::string& letter : letters) {
        quoted += (quoted.empty() ? "\"" : ", \"") + letter + "\"";
        if (folder) {
            folded += (folded.empty() ? "\"" : ", \"") + folder->Fold(letter) + "\"";
        }
    }
    const bool one = letters.size() == 1;
    io_.err << "note: " << quoted << " in \"" << Shown(typed) << "\" "
            << (one ? "counts nothing" : "count nothing");
    if (folder) {
        io_.err << "; --fold counts " << (one ? "it" : "them") << " as " << folded << ": "
                << NameNumber(folder->Fold(lowered));
    }
    io_.err << "\n";
}

void Runner::SaveReport(const ReportLayout& layout, std::vector<std::string> fields) {
    CommandLineReport desktop(*options_.report, io_.err);
    ReportServices services{desktop, desktop, desktop, io_.clock};
    SaveToFile(
        layout, [&](int id) { return fields.at(static_cast<std::size_t>(id)); }, services);
    if (desktop.failed) {
        status_ = kExitRefused;
    }
}

// The pages' report layouts over the fields in the order the window holds
// them; the text-box field (last) must not be empty.
const ReportLayout kNameReport = {
    .required_field = 2,
    .compose =
        [](const FieldReader& field) {
            const std::string name = field(0);
            const std::string number = field(1);
            return NameReportBody(name, number, field(2));
        },
    .create_failure_icon = MessageIcon::Warning,
};
const ReportLayout kBirthReport = {
    .required_field = 5,
    .compose =
        [](const FieldReader& field) {
            return BirthReportBody({.day = field(0),
                                    .month = field(1),
                                    .year = field(2),
                                    .birth_number = field(3),
                                    .destiny_number = field(4),
                                    .birth_text = field(5),
                                    .destiny_text = field(6)});
        },
    .create_failure_icon = MessageIcon::Warning,
};
const ReportLayout kNumberReport = {
    .required_field = 1,
    .compose =
        [](const FieldReader& field) {
            const std::string number = field(0);
            return NumberReportBody(number, field(1));
        },
    .create_failure_icon = MessageIcon::Information,
};

std::optional<std::string> Runner::Name(std::string_view typed) {
    if (typed.empty()) {
        return std::string(LoadText(text::kEnterNameWarning));
    }
    const Counted name = Count(typed);
    const std::int32_t number = NameNumber(name.counted);
    const std::string_view reading = LoadText(NameTextId(number));
    writer_.Write({
        {"name", "Name", std::string(typed)},
        {"number", "Number", std::to_string(number), Field::Number},
        {"working", "Working", WorkingText(NameNumberWorking(name.counted), kEveryTerm)},
        {"reading", "Reading", std::string(reading)},
    });
    if (options_.report) {
        SaveReport(kNameReport, {name.counted, std::to_string(number), std::string(reading)});
    }
    return std::nullopt;
}

std::optional<std::string> Runner::Birth(std::string_view typed) {
    const auto parsed = ParseDate(typed);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        return Shown(typed) + ": " + *problem;
    }
    const auto& date = std::get<TypedDate>(parsed);
    const std::int32_t day = TextToInt(date.day);
    const std::int32_t month = TextToInt(date.month);
    const std::int32_t year = TextToInt(date.year);
    const std::int32_t destiny = DestinyNumber(day, month, year);
    const std::string_view birth_text = LoadText(BirthTextId(day));
    const std::string_view destiny_text = LoadText(DigitTextId(destiny));
    writer_.Write({
        {"date", "Date of birth", std::string(typed)},
        {"birth_number", "Birth number", std::to_string(day), Field::Number},
        {"birth_reading", "Birth reading", std::string(birth_text)},
        {"destiny_number", "Destiny number", std::to_string(destiny), Field::Number},
        {"destiny_working", "Working",
         WorkingText(DestinyNumberWorking(day, month, year), kEveryTerm)},
        {"destiny_reading", "Destiny reading", std::string(destiny_text)},
    });
    if (options_.report) {
        // The birth number field shows the day as typed: 07 stays 07.
        SaveReport(kBirthReport,
                   {date.day, date.month, date.year, date.day, std::to_string(destiny),
                    std::string(birth_text), std::string(destiny_text)});
    }
    return std::nullopt;
}

std::optional<std::string> Runner::Number(std::string_view typed) {
    if (typed.empty()) {
        return std::string("the number is empty");
    }
    const std::int32_t value = TextToInt(typed);
    const std::string_view reading = LoadText(NumberTextId(value));
    writer_.Write({
        {"number", "Number", std::to_string(value), Field::Number},
        {"reading", "Reading", std::string(reading)},
    });
    if (options_.report) {
        SaveReport(kNumberReport, {std::string(typed), std::string(reading)});
    }
    return std::nullopt;
}

std::string_view Agreement(std::int32_t root, std::pair<int, int> born) {
    const bool birth = root == born.first;
    const bool destiny = root == born.second;
    return birth && destiny ? "both" : birth ? "birth" : destiny ? "destiny" : "none";
}

Record Runner::CompareRow(std::string_view spelling, bool suggested) {
    const Counted name = Count(spelling);
    const Working working = NameNumberWorking(name.counted);
    const std::int32_t number = NameNumber(name.counted);
    const std::int32_t root = ReduceToSingleDigit(number);
    Record row = {
        {"spelling", "SPELLING", std::string(spelling)},
        {"total", "TOTAL", std::to_string(working.total), Field::Number},
        {"number", "NUMBER", std::to_string(number), Field::Number},
        {"root", "ROOT", std::to_string(root), Field::Number},
    };
    if (born_roots_) {
        row.push_back({"agrees", "AGREES", std::string(Agreement(root, *born_roots_))});
    }
    if (options_.suggest > 0) {
        row.push_back({"suggested", "SUGGESTED", suggested ? "true" : "false", Field::Boolean});
    }
    row.push_back({"theme", "THEME", std::string(ThemeOf(NameTextId(number)))});
    return row;
}

// The text format's table: left-aligned spelling, right-aligned numbers, the
// theme last where its length does no harm.
std::string TableLine(const Record& row, std::size_t spelling_width, bool header) {
    constexpr std::size_t kWordColumn = 7;  // "destiny"
    std::string line;
    for (const Field& field : row) {
        const std::string_view text = header ? field.label : std::string_view(field.value);
        const std::size_t width = field.key == "spelling" ? spelling_width
                                  : field.kind == Field::Number
                                      ? DisplayWidth(field.label)
                                      : std::max(kWordColumn, DisplayWidth(field.label));
        const std::size_t pad = width > DisplayWidth(text) ? width - DisplayWidth(text) : 0;
        if (field.kind == Field::Number) {
            line.append(pad, ' ');
            line += text;
            line += "  ";
        } else {
            line += text;
            if (field.key != "theme") {
                line.append(pad + 2, ' ');
            }
        }
    }
    return line + "\n";
}

std::optional<std::string> Runner::Compare(std::string_view typed) {
    if (typed.empty()) {
        return std::string("empty spelling");
    }
    const Record row = CompareRow(typed, false);
    if (options_.format == Format::Text) {
        io_.out.Put(TableLine(row, spelling_width_, false));
    } else {
        writer_.Write(row);
    }
    return std::nullopt;
}

// One-letter variants: each letter doubled, then each letter a to z added at
// the end; each spelling once.
std::vector<std::string> Variants(std::string_view spelling) {
    std::vector<std::string> variants;
    const auto add = [&](std::string variant) {
        if (std::ranges::find(variants, variant) == variants.end()) {
            variants.push_back(std::move(variant));
        }
    };
    for (std::size_t i = 0; i < spelling.size(); ++i) {
        const char c = spelling[i];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            std::string variant(spelling);
            variant.insert(i, 1, c);
            add(std::move(variant));
        }
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        add(std::string(spelling) + c);
    }
    return variants;
}

int Runner::CompareAll() {
    if (options_.born) {
        const auto parsed = ParseDate(*options_.born);
        if (const auto* problem = std::get_if<std::string>(&parsed)) {
            Refuse("--born", Shown(*options_.born) + ": " + *problem);
            return status_;
        }
        const auto& date = std::get<TypedDate>(parsed);
        const std::int32_t day = TextToInt(date.day);
        born_roots_ = {ReduceToSingleDigit(day),
                       DestinyNumber(day, TextToInt(date.month), TextToInt(date.year))};
    }
    if (options_.from_stdin) {
        if (options_.format == Format::Text) {
            io_.out.Put(TableLine(CompareRow("", false), spelling_width_, true));
        }
        ForEachItem(&Runner::Compare);
        return status_;
    }
    // From the arguments: every row is known before the first is written.
    std::vector<Record> rows;
    std::vector<std::string> given;
    for (std::size_t i = 0; i < options_.inputs.size(); ++i) {
        const std::string& input = options_.inputs[i];
        const std::string where = "argument " + std::to_string(i + 1);
        if (!IsValidUtf8(input)) {
            Refuse(where, "is not valid UTF-8");
        } else if (input.empty()) {
            Refuse(where, "empty spelling");
        } else {
            rows.push_back(CompareRow(input, false));
            given.push_back(LowerAsTyped(input));
        }
    }
    if (options_.suggest > 0 && !given.empty()) {
        std::vector<Record> agreeing;
        std::vector<Record> others;
        for (const std::string& variant : Variants(options_.inputs[0])) {
            if (std::ranges::find(given, LowerAsTyped(variant)) != given.end()) {
                continue;
            }
            Record row = CompareRow(variant, true);
            const bool agrees = born_roots_ && row[4].value != "none";
            (agrees ? agreeing : others).push_back(std::move(row));
        }
        agreeing.insert(agreeing.end(), others.begin(), others.end());
        agreeing.resize(std::min(agreeing.size(), options_.suggest));
        rows.insert(rows.end(), agreeing.begin(), agreeing.end());
    }
    if (options_.sort) {
        std::ranges::stable_sort(rows, {},
                                 [](const Record& row) { return std::stoi(row[2].value); });
    }
    if (options_.format != Format::Text) {
        for (const Record& row : rows) {
            writer_.Write(row);
        }
        return status_;
    }
    spelling_width_ = DisplayWidth("SPELLING");
    for (const Record& row : rows) {
        spelling_width_ = std::max(spelling_width_, DisplayWidth(row[0].value));
    }
    if (!rows.empty()) {
        io_.out.Put(TableLine(rows[0], spelling_width_, true));
    }
    for (const Record& row : rows) {
        io_.out.Put(TableLine(row, spelling_width_, false));
    }
    return status_;
}

int Runner::Run() {
    const std::string_view name = options_.command->name;
    if (name == "compare") {
        return CompareAll();
    }
    ForEachItem(name == "name"    ? &Runner::Name
                : name == "birth" ? &Runner::Birth
                                  : &Runner::Number);
    return status_;
}

}  // namespace

int Run(const std::vector<std::string>& args, Io& io) {
    if (args.empty()) {
        io.err << kUsage;
        return kExitUsage;
    }
    const std::string_view first = args[0];
    if (first == "-h" || first == "--help" || (first == "help" && args.size() == 1)) {
        io.out.Put(kUsage);
        return kExitOk;
    }
    if (first == "--version") {
        io.out.Put(ProductAndVersion(" ") + "\n");
        return kExitOk;
    }
    if (first == "help") {
        if (const CommandInfo* command = FindCommand(args[1]); command && args.size() == 2) {
            io.out.Put(command->help);
            return kExitOk;
        }
        io.err << kProgram << ": no help for \"" << Shown(args[1]) << "\"\n";
        return kExitUsage;
    }
    const CommandInfo* command = FindCommand(first);
    if (!command) {
        io.err << kProgram << ": \"" << Shown(first) << "\" is not a command; see '" << kProgram
               << " --help'\n";
        return kExitUsage;
    }
    Options options;
    try {
        options = ParseOptions(*command, args);
    } catch (const UsageError& error) {
        io.err << kProgram << ": " << error.message << "; see '" << kProgram << " help "
               << command->name << "'\n";
        return kExitUsage;
    }
    if (options.help) {
        io.out.Put(command->help);
        return kExitOk;
    }
    return Runner(std::move(options), io).Run();
}

}  // namespace morvane::cli
