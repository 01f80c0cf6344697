#include "problem/reader.h"

#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
// The reader's own assertions off in every build, as its release builds have
// them: toml++ 3.3 asserts on input it then reports as an error ("[&" as a
// table header), which would end a debug build on a teacher's typing slip.
#define TOML_ASSERT(expr) static_assert(true)
#if __has_include(<toml++/toml.hpp>)
#include <toml++/toml.hpp>
#else
#include <toml++/toml.h>
#endif

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <numbers>
#include <optional>
#include <sstream>
#include <utility>

int statementWidth(ProblemKind kind)
{
    return kind == ProblemKind::Example ? 345 : 355;
}

std::string piDecimalText()
{
    // 17 significant digits identify a double uniquely; to_chars ignores the locale.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::numbers::pi,
                                      std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

const std::vector<std::string>& diagnosisNames()
{
    static const std::vector<std::string> names = {
        "unknown",     "yesno-reversed", "wrong-number",      "all-signs-reversed", "term-sign",
        "term-missing", "term-extra",    "functions-swapped", "wrong-factor",       "message",
    };
    return names;
}

namespace {

// A text the TOML reader has read, its sheltered characters mapped back (below).
std::string unshelter(std::string_view text);

template <typename E>
struct Named {
    std::string_view name;
    E value;
};

constexpr std::array<Named<StepKind>, 6> kStepKinds = {{
    {"number", StepKind::Number},         {"yesno", StepKind::YesNo},
    {"projection", StepKind::Projection}, {"moment", StepKind::Moment},
    {"expression", StepKind::Expression}, {"angle", StepKind::Angle},
}};
constexpr std::array<Named<ItemType>, 10> kItemTypes = {{
    {"line", ItemType::Line},     {"dotted", ItemType::Dotted},   {"arrow", ItemType::Arrow},
    {"arc", ItemType::Arc},       {"ellipse", ItemType::Ellipse}, {"rect", ItemType::Rect},
    {"polygon", ItemType::Polygon}, {"fill", ItemType::Fill},     {"label", ItemType::Label},
    {"text", ItemType::Text},
}};
constexpr std::array<Named<ItemColour>, 7> kColours = {{
    {"black", ItemColour::Black}, {"red", ItemColour::Red},     {"magenta", ItemColour::Magenta},
    {"grey", ItemColour::Grey},   {"white", ItemColour::White}, {"yellow", ItemColour::Yellow},
    {"face", ItemColour::Face},
}};

template <typename E, std::size_t N>
std::optional<E> byName(const std::array<Named<E>, N>& table, std::string_view name)
{
    for (const auto& entry : table)
        if (entry.name == name)
            return entry.value;
    return std::nullopt;
}

SourcePlace placeOf(const toml::source_region& region)
{
    return {static_cast<int>(region.begin.line), static_cast<int>(region.begin.column)};
}

std::string indexed(const std::string& key, std::size_t i)
{
    return key + '[' + std::to_string(i) + ']';
}

std::string child(const std::string& path, std::string_view key)
{
    return path.empty() ? std::string(key) : path + '.' + std::string(key);
}

class Reader {
public:
    explicit Reader(std::vector<ProblemDiagnostic>& out) : m_out(out) {}

    void report(SourcePlace at, ProblemMessage message, std::vector<std::string> args = {})
    {
        m_out.push_back(problemDiagnostic(at.line, at.column, message, std::move(args)));
    }
    void report(const toml::node& node, ProblemMessage message, std::vector<std::string> args = {})
    {
        report(placeOf(node.source()), message, std::move(args));
    }

    // Reports every key of the table that is not allowed.
    void onlyKeys(const toml::table& table, const std::string& path, std::initializer_list<std::string_view> allowed)
    {
        for (auto&& [key, node] : table) {
            if (std::find(allowed.begin(), allowed.end(), key.str()) == allowed.end())
                report(placeOf(key.source()), ProblemMessage::UnknownKey, {child(path, unshelter(key.str()))});
        }
    }

    const toml::node* need(const toml::table& table, const std::string& path, std::string_view key, bool required)
    {
        const toml::node* node = table.get(key);
        if (!node && required)
            report(placeOf(table.source()), ProblemMessage::MissingKey, {child(path, key)});
        return node;
    }

    std::optional<std::string> string(const toml::table& table, const std::string& path, std::string_view key,
                                      bool required, std::size_t limit)
    {
        const toml::node* node = need(table, path, key, required);
        if (!node)
            return std::nullopt;
        return string(*node, child(path, key), limit);
    }

    std::optional<std::string> string(const toml::node& node, const std::string& name, std::size_t limit)
    {
        const auto* value = node.as_string();
        if (!value) {
            report(node, ProblemMessage::WrongType, {name, "string"});
            return std::nullopt;
        }
        std::string text = unshelter(value->get());
        if (text.size() > limit) {
            report(node, ProblemMessage::TooLong, {name, std::to_string(limit)});
            return std::nullopt;
        }
        return text;
    }

    std::optional<int> integer(const toml::table& table, const std::string& path, std::string_view key,
                               bool required, int least, int greatest)
    {
        const toml::node* node = need(table, path, key, required);
        if (!node)
            return std::nullopt;
        return integer(*node, child(path, key), least, greatest);
    }

    std::optional<int> integer(const toml::node& node, const std::string& name, int least, int greatest)
    {
        const auto* value = node.as_integer();
        if (!value) {
            report(node, ProblemMessage::WrongType, {name, "integer"});
            return std::nullopt;
        }
        const std::int64_t v = value->get();
        if (v < least || v > greatest) {
            report(node, ProblemMessage::OutOfRange, {name, std::to_string(least), std::to_string(greatest)});
            return std::nullopt;
        }
        return static_cast<int>(v);
    }

    std::optional<bool> boolean(const toml::table& table, const std::string& path, std::string_view key)
    {
        const toml::node* node = table.get(key);
        if (!node)
            return std::nullopt;
        if (!node->is_boolean()) {
            report(*node, ProblemMessage::WrongType, {child(path, key), "boolean"});
            return std::nullopt;
        }
        return node->as_boolean()->get();
    }

    const toml::table* table(const toml::node* node, const std::string& name)
    {
        if (!node)
            return nullptr;
        if (!node->is_table()) {
            report(*node, ProblemMessage::WrongType, {name, "table"});
            return nullptr;
        }
        return node->as_table();
    }

    const toml::array* array(const toml::node* node, const std::string& name, std::size_t limit)
    {
        if (!node)
            return nullptr;
        if (!node->is_array()) {
            report(*node, ProblemMessage::WrongType, {name, "array"});
            return nullptr;
        }
        if (node->as_array()->size() > limit) {
            report(*node, ProblemMessage::TooMany, {name, std::to_string(limit)});
            return nullptr;
        }
        return node->as_array();
    }

    template <typename E, std::size_t N>
    std::optional<E> choice(const toml::table& t, const std::string& path, std::string_view key, bool required,
                            const std::array<Named<E>, N>& names)
    {
        const std::optional<std::string> name = string(t, path, key, required, kMaxShortTextBytes);
        if (!name)
            return std::nullopt;
        const std::optional<E> value = byName(names, *name);
        if (!value)
            report(*t.get(key), ProblemMessage::BadValue, {child(path, key), *name});
        return value;
    }

    // { ru = "...", en = "..." }: both languages, neither empty.
    Translated translated(const toml::node& node, const std::string& name, std::size_t limit)
    {
        Translated text;
        text.at = placeOf(node.source());
        if (const toml::table* t = table(&node, name)) {
            onlyKeys(*t, name, {"ru", "en"});
            languages(*t, name, limit, text);
        }
        return text;
    }

    // The keys ru and en of a table that may hold other keys too.
    void languages(const toml::table& t, const std::string& name, std::size_t limit, Translated& text)
    {
        text.at = placeOf(t.source());
        for (auto [key, target] : {std::pair{"ru", &text.ru}, std::pair{"en", &text.en}}) {
            const toml::node* part = t.get(key);
            std::optional<std::string> value;
            if (part)
                value = string(*part, child(name, key), limit);
            if (value)
                *target = *value;
            if (!part || (value && value->find_first_not_of(' ') == std::string::npos))
                report(text.at, ProblemMessage::MissingTranslation, {name, key});
        }
    }

    Translated translated(const toml::table& t, const std::string& path, std::string_view key, std::size_t limit)
    {
        const toml::node* node = need(t, path, key, true);
        return node ? translated(*node, child(path, key), limit) : Translated{};
    }

    // A label's text: one string for both languages, or a translated table.
    Translated labelText(const toml::table& t, const std::string& path)
    {
        const toml::node* node = need(t, path, "text", true);
        if (!node)
            return {};
        if (node->is_table())
            return translated(*node, child(path, "text"), kMaxShortTextBytes);
        Translated text;
        text.at = placeOf(node->source());
        if (const auto s = string(*node, child(path, "text"), kMaxShortTextBytes))
            text.ru = text.en = *s;
        return text;
    }

    std::vector<std::string> strings(const toml::array* array, const std::string& name, std::size_t limit,
                                     std::vector<SourcePlace>* places = nullptr)
    {
        std::vector<std::string> out;
        if (!array)
            return out;
        for (std::size_t i = 0; i < array->size(); ++i)
            if (const auto s = string(*array->get(i), indexed(name, i), limit)) {
                out.push_back(*s);
                if (places)
                    places->push_back(placeOf(array->get(i)->source()));
            }
        return out;
    }

    Problem problem(const toml::table& root);

private:
    void variables(const toml::table& root, Problem& p);
    ProblemStep step(const toml::table& t, std::size_t index, const Problem& p);
    void tests(const toml::table& t, const std::string& path, ProblemStep& step);
    AnswerTest answerTest(const toml::node& node, const std::string& path, bool refused);
    ProblemStage stage(const toml::table& t, const std::string& path, ProblemKind kind);
    DrawItem item(const toml::node& node, const std::string& path, ProblemKind kind);
    std::optional<ItemPoint> point(const toml::node& node, const std::string& name);
    void points(const toml::table& t, const std::string& path, std::string_view key, std::size_t least,
                std::size_t most, DrawItem& item);

    std::vector<ProblemDiagnostic>& m_out;
};

Problem Reader::problem(const toml::table& root)
{
    Problem p;
    onlyKeys(root, "", {"format", "id", "title", "kind", "exam", "statement", "variables", "unknowns", "stages",
                        "steps"});
    if (const toml::node* format = need(root, "", "format", true)) {
        const auto* value = format->as_integer();
        if (!value)
            report(*format, ProblemMessage::WrongType, {"format", "integer"});
        else if (value->get() != kProblemFormat)
            report(*format, ProblemMessage::UnsupportedFormat, {std::to_string(value->get())});
        else
            p.format = kProblemFormat;
    }
    if (p.format != kProblemFormat)
        return p;   // the rest may mean something else in another format

    if (const auto id = string(root, "", "id", true, kMaxShortTextBytes)) {
        p.id = *id;
        const bool plain = !id->empty() && std::all_of(id->begin(), id->end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
        });
        if (!plain)
            report(*root.get("id"), ProblemMessage::BadValue, {"id", *id});
    }
    p.title = translated(root, "", "title", kMaxShortTextBytes);
    if (const auto kind = string(root, "", "kind", true, kMaxShortTextBytes)) {
        if (*kind == "example")
            p.kind = ProblemKind::Example;
        else if (*kind == "task")
            p.kind = ProblemKind::Task;
        else
            report(*root.get("kind"), ProblemMessage::BadValue, {"kind", *kind});
    }
    p.exam = boolean(root, "", "exam").value_or(false);
    p.statement = translated(root, "", "statement", kMaxTextBytes);
    variables(root, p);

    if (const toml::array* list = array(need(root, "", "stages", true), "stages", kMaxProblemStages)) {
        for (std::size_t i = 0; i < list->size(); ++i)
            if (const toml::table* t = table(list->get(i), indexed("stages", i)))
                p.stages.push_back(stage(*t, indexed("stages", i), p.kind));
    }
    if (const toml::array* list = array(need(root, "", "steps", true), "steps", kMaxProblemSteps)) {
        if (list->empty())
            report(*root.get("steps"), ProblemMessage::MissingKey, {"steps[0]"});
        for (std::size_t i = 0; i < list->size(); ++i)
            if (const toml::table* t = table(list->get(i), indexed("steps", i)))
                p.steps.push_back(step(*t, i, p));
    }
    return p;
}

void Reader::variables(const toml::table& root, Problem& p)
{
    const toml::array* list = array(need(root, "", "variables", true), "variables", kMaxProblemVariables);
    for (std::size_t i = 0; list && i < list->size(); ++i) {
        const toml::node& node = *list->get(i);
        const std::string name = indexed("variables", i);
        ProblemVariable v;
        v.at = placeOf(node.source());
        if (node.is_table()) {
            const toml::table& t = *node.as_table();
            onlyKeys(t, name, {"name", "from", "to"});
            v.name = string(t, name, "name", true, kMaxShortTextBytes).value_or("");
            v.from = integer(t, name, "from", false, -kMaxDrawValue, kMaxDrawValue).value_or(0);
            v.to = integer(t, name, "to", false, -kMaxDrawValue, kMaxDrawValue).value_or(99);
            if (v.from > v.to)
                report(node, ProblemMessage::OutOfRange, {child(name, "to"), std::to_string(v.from),
                                                          std::to_string(kMaxDrawValue)});
        } else if (const auto s = string(node, name, kMaxShortTextBytes)) {
            v.name = *s;
        } else {
            continue;
        }
        if (v.name.empty() || v.name.find_first_of(" ()+-*/#=,.") != std::string::npos
            || (v.name[0] >= '0' && v.name[0] <= '9')) {
            report(node, ProblemMessage::BadValue, {name, v.name});
            continue;
        }
        v.pi = v.name == "~p";
        const bool twice = std::any_of(p.variables.begin(), p.variables.end(),
                                       [&](const ProblemVariable& o) { return o.name == v.name; });
        if (twice)
            report(node, ProblemMessage::DuplicateVariable, {v.name});
        else
            p.variables.push_back(v);
    }
    const toml::array* unknowns = array(root.get("unknowns"), "unknowns", kMaxProblemUnknowns);
    p.unknowns = strings(unknowns, "unknowns", kMaxShortTextBytes, &p.unknownsAt);
    for (std::size_t i = 0; i < p.unknowns.size(); ++i) {
        const auto& u = p.unknowns[i];
        const bool declared = std::any_of(p.variables.begin(), p.variables.end(),
                                          [&](const ProblemVariable& v) { return v.name == u && !v.pi; });
        if (!declared)
            report(p.unknownsAt[i], ProblemMessage::UnknownNotVariable, {u});
        if (std::count(p.unknowns.begin(), p.unknowns.end(), u) > 1
            && std::find(p.unknowns.begin(), p.unknowns.end(), u) != p.unknowns.begin() + std::ptrdiff_t(i))
            report(p.unknownsAt[i], ProblemMessage::DuplicateVariable, {u});
    }
}

ProblemStep Reader::step(const toml::table& t, std::size_t index, const Problem& p)
{
    const std::string path = indexed("steps", index);
    ProblemStep s;
    s.at = placeOf(t.source());
    onlyKeys(t, path,
             {"question", "reference", "kind", "points", "stage", "unknown", "counts", "known", "messages", "tests"});
    s.question = translated(t, path, "question", kMaxTextBytes);
    if (t.contains("known"))
        s.known = translated(t, path, "known", kMaxTextBytes);
    if (const auto ref = string(t, path, "reference", true, kMaxFormulaBytes)) {
        s.reference = *ref;
        s.referenceAt = placeOf(t.get("reference")->source());
        if (ref->find_first_not_of(' ') == std::string::npos)
            report(s.referenceAt, ProblemMessage::BadValue, {child(path, "reference"), *ref});
    }
    s.kind = choice(t, path, "kind", true, kStepKinds).value_or(StepKind::Expression);
    s.points = integer(t, path, "points", false, 0, kMaxPoints).value_or(0);
    if (const auto stage = integer(t, path, "stage", true, 0, int(kMaxProblemStages))) {
        s.stage = *stage;
        if (std::size_t(*stage) >= p.stages.size())
            report(*t.get("stage"), ProblemMessage::StageOutOfRange, {std::to_string(*stage),
                                                                      std::to_string(p.stages.size())});
    }
    if (const auto unknown = string(t, path, "unknown", false, kMaxShortTextBytes)) {
        s.unknown = *unknown;
        if (s.kind != StepKind::Expression)
            report(*t.get("unknown"), ProblemMessage::UnknownKey, {child(path, "unknown")});
        else if (std::find(p.unknowns.begin(), p.unknowns.end(), *unknown) == p.unknowns.end())
            report(*t.get("unknown"), ProblemMessage::UnknownNotDeclared,
                   {std::to_string(index), *unknown});
    }
    if (const auto counts = string(t, path, "counts", false, kMaxShortTextBytes)) {
        if (*counts != "unknowns" || s.kind != StepKind::Number)
            report(*t.get("counts"), ProblemMessage::BadValue, {child(path, "counts"), *counts});
        else
            s.countsUnknowns = true;
    }
    const std::string messagesPath = child(path, "messages");
    if (const toml::array* list = array(t.get("messages"), messagesPath, kMaxStepMessages)) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            const std::string name = indexed(messagesPath, i);
            const toml::table* m = table(list->get(i), name);
            if (!m)
                continue;
            onlyKeys(*m, name, {"when", "ru", "en"});
            TeacherMessage message;
            message.at = placeOf(m->source());
            message.when = string(*m, name, "when", true, kMaxFormulaBytes).value_or("");
            languages(*m, name, kMaxTextBytes, message.text);
            s.messages.push_back(message);
        }
    }
    tests(t, path, s);
    return s;
}

void Reader::tests(const toml::table& t, const std::string& path, ProblemStep& s)
{
    const std::string name = child(path, "tests");
    const toml::table* tests = table(t.get("tests"), name);
    if (!tests)
        return;
    onlyKeys(*tests, name, {"accept", "refuse"});
    for (bool refused : {false, true}) {
        const std::string key = child(name, refused ? "refuse" : "accept");
        const toml::array* list = array(tests->get(refused ? "refuse" : "accept"), key, kMaxStepTests);
        for (std::size_t i = 0; list && i < list->size(); ++i) {
            AnswerTest test = answerTest(*list->get(i), indexed(key, i), refused);
            if (!test.answer.empty())
                (refused ? s.refuse : s.accept).push_back(test);
        }
    }
    if (s.accept.size() + s.refuse.size() > kMaxStepTests)
        report(*tests, ProblemMessage::TooMany, {name, std::to_string(kMaxStepTests)});
}

AnswerTest Reader::answerTest(const toml::node& node, const std::string& path, bool refused)
{
    AnswerTest test;
    test.at = placeOf(node.source());
    if (node.is_table() && refused) {
        const toml::table& t = *node.as_table();
        onlyKeys(t, path, {"answer", "diagnosis"});
        test.answer = string(t, path, "answer", true, kMaxFormulaBytes).value_or("");
        if (const auto diagnosis = string(t, path, "diagnosis", false, kMaxShortTextBytes)) {
            const auto& names = diagnosisNames();
            if (std::find(names.begin(), names.end(), *diagnosis) == names.end())
                report(*t.get("diagnosis"), ProblemMessage::BadValue, {child(path, "diagnosis"), *diagnosis});
            else
                test.diagnosis = *diagnosis;
        }
    } else {
        test.answer = string(node, path, kMaxFormulaBytes).value_or("");
    }
    if (test.answer.find_first_not_of(' ') == std::string::npos)
        test.answer.clear();
    return test;
}

ProblemStage Reader::stage(const toml::table& t, const std::string& path, ProblemKind kind)
{
    ProblemStage s;
    s.at = placeOf(t.source());
    onlyKeys(t, path, {"description", "items"});
    s.description = translated(t, path, "description", kMaxTextBytes);
    const std::string name = child(path, "items");
    if (const toml::array* list = array(t.get("items"), name, kMaxStageItems))
        for (std::size_t i = 0; i < list->size(); ++i)
            s.items.push_back(item(*list->get(i), indexed(name, i), kind));
    return s;
}

std::optional<ItemPoint> Reader::point(const toml::node& node, const std::string& name)
{
    const toml::array* pair = node.as_array();
    if (!pair || pair->size() != 2 || !pair->get(0)->is_integer() || !pair->get(1)->is_integer()) {
        report(node, ProblemMessage::WrongType, {name, "[x, y]"});
        return std::nullopt;
    }
    const auto x = integer(*pair->get(0), name, -kMaxDrawValue, kMaxDrawValue);
    const auto y = integer(*pair->get(1), name, -kMaxDrawValue, kMaxDrawValue);
    if (!x || !y)
        return std::nullopt;
    return ItemPoint{*x, *y};
}

void Reader::points(const toml::table& t, const std::string& path, std::string_view key, std::size_t least,
                    std::size_t most, DrawItem& item)
{
    const std::string name = child(path, key);
    const toml::node* node = need(t, path, key, true);
    const toml::array* list = array(node, name, most);
    if (!list)
        return;
    if (list->size() < least) {
        report(*node, ProblemMessage::OutOfRange, {name, std::to_string(least), std::to_string(most)});
        return;
    }
    for (std::size_t i = 0; i < list->size(); ++i)
        if (const auto p = point(*list->get(i), indexed(name, i)))
            item.points.push_back(*p);
}

DrawItem Reader::item(const toml::node& node, const std::string& path, ProblemKind kind)
{
    DrawItem item;
    item.at = placeOf(node.source());
    const toml::table* t = table(&node, path);
    if (!t)
        return item;
    const std::optional<ItemType> type = choice(*t, path, "type", true, kItemTypes);
    if (!type)
        return item;
    item.type = *type;
    item.on = Surface::Picture;
    if (const auto on = string(*t, path, "on", false, kMaxShortTextBytes)) {
        if (*on == "statement")
            item.on = Surface::Statement;
        else if (*on != "picture")
            report(*t->get("on"), ProblemMessage::BadValue, {child(path, "on"), *on});
    }
    item.colour = choice(*t, path, "colour", false, kColours).value_or(ItemColour::Black);
    item.width = integer(*t, path, "width", false, 0, 3).value_or(1);
    // Drawn points, and for an arc the two points its rays pass through,
    // which may lie outside the box.
    std::size_t boxed = 0;
    switch (item.type) {
    case ItemType::Line:
        onlyKeys(*t, path, {"type", "on", "colour", "width", "points"});
        points(*t, path, "points", 2, kMaxItemPoints, item);
        boxed = item.points.size();
        break;
    case ItemType::Polygon:
        onlyKeys(*t, path, {"type", "on", "colour", "width", "fill", "hatch", "points"});
        points(*t, path, "points", 3, kMaxItemPoints, item);
        boxed = item.points.size();
        break;
    case ItemType::Dotted:
    case ItemType::Arrow:
        onlyKeys(*t, path, {"type", "on", "colour", "points"});
        points(*t, path, "points", 2, 2, item);
        boxed = item.points.size();
        if (item.points.size() == 2 && item.points[0].x == item.points[1].x && item.points[0].y == item.points[1].y)
            report(item.at, ProblemMessage::BadValue, {child(path, "points"), "[]"});
        break;
    case ItemType::Ellipse:
    case ItemType::Rect:
    case ItemType::Fill:
        onlyKeys(*t, path, {"type", "on", "colour", "width", "fill", "hatch", "box"});
        points(*t, path, "box", 2, 2, item);
        boxed = item.points.size();
        break;
    case ItemType::Arc:
        onlyKeys(*t, path, {"type", "on", "colour", "width", "box", "from", "to"});
        points(*t, path, "box", 2, 2, item);
        boxed = item.points.size();
        for (const char* key : {"from", "to"})
            if (const toml::node* n = need(*t, path, key, true))
                if (const auto p = point(*n, child(path, key)))
                    item.points.push_back(*p);
        break;
    case ItemType::Label:
    case ItemType::Text:
        if (item.type == ItemType::Label)
            onlyKeys(*t, path, {"type", "on", "colour", "at", "text", "sub", "vector", "bracketed", "greek"});
        else
            onlyKeys(*t, path, {"type", "on", "colour", "at", "text"});
        if (const toml::node* n = need(*t, path, "at", true))
            if (const auto p = point(*n, child(path, "at")))
                item.points.push_back(*p);
        boxed = item.points.size();
        item.text = labelText(*t, path);
        item.sub = string(*t, path, "sub", false, kMaxShortTextBytes).value_or("");
        item.vector = boolean(*t, path, "vector").value_or(false);
        item.bracketed = boolean(*t, path, "bracketed").value_or(false);
        item.greek = boolean(*t, path, "greek").value_or(false);
        break;
    }
    if (const auto fill = choice(*t, path, "fill", false, kColours)) {
        item.filled = true;
        item.fill = *fill;
    }
    item.hatch = boolean(*t, path, "hatch").value_or(false);

    const int width = item.on == Surface::Picture ? kPictureWidth : statementWidth(kind);
    const int height = item.on == Surface::Picture ? kPictureHeight : kStatementHeight;
    for (std::size_t i = 0; i < boxed && i < item.points.size(); ++i) {
        const ItemPoint p = item.points[i];
        if (p.x < 0 || p.y < 0 || p.x > width || p.y > height) {
            report(item.at, ProblemMessage::ItemOutsideBox, {std::to_string(p.x), std::to_string(p.y),
                                                             std::to_string(width), std::to_string(height)});
            break;
        }
    }
    return item;
}

// Characters toml++ 3.3 takes for unreachable code where it looks for blank
// space (U+00A1 to U+0499, U+2C5E to U+3057 but U+3000, U+FB26 to U+FEFE:
// Cyrillic, Greek, accented Latin...) are given to it as characters of the
// private-use area, which it handles, and every text read is mapped back.
struct ShelteredRange {
    char32_t first;
    char32_t end;       // one past the last
    char32_t shelter;   // where `first` goes
};
constexpr ShelteredRange kSheltered[] = {
    {0xA1, 0x49A, 0xE000},
    {0x2C5E, 0x3058, 0xE400},
    {0xFB26, 0xFEFF, 0xE800},
};
constexpr char32_t kShelter = 0xE000;
constexpr char32_t kShelterEnd = 0xEC00;

char32_t sheltered(char32_t c)
{
    for (const ShelteredRange& r : kSheltered)
        if (c >= r.first && c < r.end && c != 0x3000)
            return r.shelter + (c - r.first);
    return c;
}

char32_t unsheltered(char32_t c)
{
    for (const ShelteredRange& r : kSheltered)
        if (c >= r.shelter && c < r.shelter + (r.end - r.first))
            return r.first + (c - r.shelter);
    return c;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The code point of a well-formed two- or three-byte sequence at i (its
// length in `length`), or 0; anything else passes unchanged.
char32_t codePointAt(std::string_view text, std::size_t i, std::size_t& length)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const auto continuation = [&](std::size_t k) { return k < text.size() && (byte(k) & 0xC0) == 0x80; };
    if (byte(i) >= 0xC2 && byte(i) <= 0xDF && continuation(i + 1)) {
        length = 2;
        return char32_t(byte(i) & 0x1F) << 6 | (byte(i + 1) & 0x3F);
    }
    if (byte(i) >= 0xE0 && byte(i) <= 0xEF && continuation(i + 1) && continuation(i + 2)) {
        const char32_t c = char32_t(byte(i) & 0x0F) << 12 | char32_t(byte(i + 1) & 0x3F) << 6 | (byte(i + 2) & 0x3F);
        length = 3;
        return c >= 0x800 && (c < 0xD800 || c > 0xDFFF) ? c : 0;
    }
    return 0;
}

template <typename Map>
std::string mapped(std::string_view text, Map map)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const char32_t c = codePointAt(text, i, length);
        if (c && map(c) != c)
            appendUtf8(out, map(c));
        else
            out.append(text.substr(i, c ? length : 1));
        i += c ? length : 1;
    }
    return out;
}

std::string unshelter(std::string_view text)
{
    return mapped(text, unsheltered);
}

// The first character a problem file may not hold, as a syntax error at its
// place: a control character but tab, line feed and carriage return (TOML
// allows none, not even in a string), or one of the private-use characters
// the reader shelters others as.
std::optional<ProblemDiagnostic> unsafeCharacter(std::string_view text)
{
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        char32_t c = byte;
        if (byte >= 0x80) {
            c = codePointAt(text, i, length);
            if (c == 0)
                c = 0xFFFD;   // not UTF-8 the reader maps: its own report
        }
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F || (c >= kShelter && c < kShelterEnd)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
            return problemDiagnostic(line, column, ProblemMessage::Syntax,
                                     {std::string(c < 0x80 ? "control character " : "private-use character ") + code});
        }
        if (c == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;   // columns count characters, not the bytes of UTF-8
        }
        i += length - 1;
    }
    return std::nullopt;
}

} // namespace

std::string_view stepKindName(StepKind kind)
{
    for (const auto& entry : kStepKinds)
        if (entry.value == kind)
            return entry.name;
    return {};
}

ProblemReading readProblem(std::string_view text)
{
    ProblemReading reading;
    if (text.size() > kMaxProblemFileBytes) {
        reading.diagnostics.push_back(
            problemDiagnostic(0, 0, ProblemMessage::FileTooLarge, {std::to_string(kMaxProblemFileBytes)}));
        return reading;
    }
    if (const std::optional<ProblemDiagnostic> fault = unsafeCharacter(text)) {
        reading.diagnostics.push_back(*fault);
        return reading;
    }
    const std::string guarded = mapped(text, sheltered);
    toml::parse_result parsed = toml::parse(guarded);
    if (!parsed) {
        const toml::parse_error& error = parsed.error();
        const SourcePlace at = placeOf(error.source());
        reading.diagnostics.push_back(problemDiagnostic(std::max(at.line, 1), std::max(at.column, 1), ProblemMessage::Syntax,
                                                         {unshelter(error.description())}));
        return reading;
    }
    Reader reader(reading.diagnostics);
    reading.problem = reader.problem(parsed.table());
    std::stable_sort(reading.diagnostics.begin(), reading.diagnostics.end(),
                     [](const ProblemDiagnostic& a, const ProblemDiagnostic& b) {
                         return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                     });
    return reading;
}

ProblemReading readProblemFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ProblemReading reading;
        reading.diagnostics.push_back(problemDiagnostic(0, 0, ProblemMessage::FileUnreadable, {path}));
        return reading;
    }
    // One byte past the limit is enough to know the file is too large.
    std::string text(kMaxProblemFileBytes + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(std::size_t(in.gcount()));
    return readProblem(text);
}
