#include "shell/state_names.h"

#include <cmath>
#include <sstream>
#include <variant>
#include <vector>

#include "core/codepage.h"
#include "core/field_list.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

struct TextRef {
    std::string* text;
    bool cp1252;  // kept in the files' code page
};
using ValueRef = std::variant<int16_t*, int32_t*, float*, TextRef>;

// One step of a name: an identifier with an optional [index].
struct NameStep {
    std::string field;
    int index = -1;
};

bool ParseName(const std::string& name, std::vector<NameStep>& steps) {
    std::istringstream in(name);
    std::string part;
    while (std::getline(in, part, '.')) {
        NameStep step;
        size_t bracket = part.find('[');
        step.field = part.substr(0, bracket);
        if (bracket != std::string::npos) {
            if (part.back() != ']' || bracket + 2 >= part.size()) return false;
            std::string digits = part.substr(bracket + 1, part.size() - bracket - 2);
            if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 4)
                return false;
            step.index = std::stoi(digits);
        }
        if (step.field.empty()) return false;
        steps.push_back(step);
    }
    return !steps.empty();
}

// Walks a field list for one step of a name ("Party[2]", "HP") and, for a
// table of records, walks the chosen record's own list for the next step.
class FieldFinder {
  public:
    FieldFinder(const std::vector<NameStep>& steps, size_t at) : steps_(steps), at_(at) {}

    // A record's list. Texts of the records kept in files are in the files' code page.
    template <typename T>
    void Field(const char* name, T& value) {
        Take(name, value, true);
    }
    // The game state's list.
    template <typename T>
    void Field(Kept kept, const char* name, T& value) {
        Take(name, value, kept != Kept::RunningUtf8);
    }
    template <typename Table>
    void Records(Kept /*kept*/, const char* name, Table& table) {
        if (!Matches(name) || !IndexFits(table.size())) return;
        if (at_ + 1 == steps_.size()) {
            error_ = Step().field + "[i] needs a field";
            return;
        }
        FieldFinder inner(steps_, at_ + 1);
        VisitFields(inner, table[Step().index]);
        error_ = inner.Result(value_);
    }

    std::string Result(ValueRef& out) const {
        if (!found_) return "unknown name '" + Step().field + "'";
        if (!error_.empty()) return error_;
        out = value_;
        return {};
    }

  private:
    const NameStep& Step() const { return steps_[at_]; }

    bool Matches(const char* name) {
        if (found_ || Step().field != name) return false;
        found_ = true;
        return true;
    }
    bool IndexFits(size_t count) {
        if (Step().index >= 0 && Step().index < static_cast<int>(count)) return true;
        error_ = Step().field + " needs an index 0.." + std::to_string(count - 1);
        return false;
    }
    // A value is the last step of a name.
    bool Ends() {
        if (at_ + 1 == steps_.size()) return true;
        error_ = "unknown name '" + steps_[at_ + 1].field + "' in " + Step().field;
        return false;
    }

    template <typename T>
    void Take(const char* name, T& value, bool /*cp1252*/) {
        if (!Matches(name) || !Ends()) return;
        if (Step().index >= 0) {
            error_ = Step().field + " is not an array";
            return;
        }
        value_ = &value;
    }
    template <typename T, size_t N>
    void Take(const char* name, std::array<T, N>& values, bool /*cp1252*/) {
        if (!Matches(name) || !Ends() || !IndexFits(N)) return;
        value_ = &values[Step().index];
    }
    void Take(const char* name, std::string& text, bool cp1252) {
        if (!Matches(name) || !Ends()) return;
        if (Step().index >= 0) {
            error_ = Step().field + " is not an array";
            return;
        }
        value_ = TextRef{&text, cp1252};
    }

    const std::vector<NameStep>& steps_;
    size_t at_;
    bool found_ = false;
    std::string error_;
    ValueRef value_;
};

std::string ResolveName(GameState& state, const std::string& name, ValueRef& out) {
    std::vector<NameStep> steps;
    if (!ParseName(name, steps)) return "malformed name '" + name + "'";
    FieldFinder finder(steps, 0);
    VisitFields(finder, state);
    return finder.Result(out);
}

bool ParseWhole(const std::string& text, long long low, long long high, long long& value) {
    std::istringstream in(text);
    in >> value;
    return in && in.peek() == EOF && value >= low && value <= high;
}

}  // namespace

std::string GetStateValue(GameState& state, const std::string& name, std::string& value) {
    ValueRef ref;
    std::string error = ResolveName(state, name, ref);
    if (!error.empty()) return error;
    if (auto* small = std::get_if<int16_t*>(&ref)) value = std::to_string(**small);
    if (auto* large = std::get_if<int32_t*>(&ref)) value = std::to_string(**large);
    if (auto* single = std::get_if<float*>(&ref)) {
        std::ostringstream out;
        out << **single;
        value = out.str();
    }
    if (auto* text = std::get_if<TextRef>(&ref))
        value = text->cp1252 ? Cp1252ToUtf8(*text->text) : *text->text;
    return {};
}

std::string SetStateValue(GameState& state, const std::string& name, const std::string& value) {
    ValueRef ref;
    std::string error = ResolveName(state, name, ref);
    if (!error.empty()) return error;
    long long whole = 0;
    if (auto* small = std::get_if<int16_t*>(&ref)) {
        if (!ParseWhole(value, INT16_MIN, INT16_MAX, whole)) return name + " takes a 16-bit integer";
        **small = static_cast<int16_t>(whole);
    }
    if (auto* large = std::get_if<int32_t*>(&ref)) {
        if (!ParseWhole(value, INT32_MIN, INT32_MAX, whole)) return name + " takes a 32-bit integer";
        **large = static_cast<int32_t>(whole);
    }
    if (auto* single = std::get_if<float*>(&ref)) {
        std::istringstream in(value);
        float number = 0;
        in >> number;
        if (!in || in.peek() != EOF || !std::isfinite(number)) return name + " takes a number";
        **single = number;
    }
    if (auto* text = std::get_if<TextRef>(&ref)) *text->text = text->cp1252 ? Utf8ToCp1252(value) : value;
    return {};
}

}  // namespace duskmoor
