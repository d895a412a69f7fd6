#pragma once
// The language of the script runner's scripts: one action a line, a verb and
// its arguments, `#` comments, text as the rest of the line or a quoted
// string. The headless runner and a replay in the window read scripts alike.
#include <iosfwd>
#include <string>
#include <vector>

namespace duskmoor {

// One action of a script.
struct ScriptAction {
    int line = 0;      // 1-based line number in the script
    std::string verb;  // "click"
    std::string rest;  // everything after the verb, outer spaces removed
    std::string text;  // the whole action as written, outer spaces removed
};

// Reads a script's actions one at a time, skipping blank lines and comments.
class ScriptReader {
  public:
    explicit ScriptReader(std::istream& script) : script_(script) {}
    // The next action; false when the script has no more.
    bool Next(ScriptAction& action);
    // The line last read.
    int line() const { return line_; }

  private:
    std::istream& script_;
    int line_ = 0;
};

// The seed a recorded game names in a "# seed N" comment before its first
// action; false when it names none. The script is read from its start and
// left there again.
bool RecordedSeed(std::istream& script, unsigned long long& seed);

// Splits "NAME rest" into the first word and the rest.
std::string TakeWord(std::string& rest);
// The words of a line, split at spaces and tabs.
std::vector<std::string> Words(const std::string& text);
// A text argument: the rest of the line, or a double-quoted string with the
// escapes \n, \" and \\ (nothing may follow its closing quote). `ok` is false
// for a malformed one.
std::string TextArgument(const std::string& rest, bool& ok);
// Key names of scripts ("Up", "Enter", "A", "Ctrl+Q", "38") to key codes; -1 if unknown.
int ScriptKeyCode(const std::string& name);
// A whole decimal number, nothing else on the text.
bool ParseInteger(const std::string& text, long long& value);
// A number in [0, 1), as the random source draws.
bool ParseUnitDraw(const std::string& text, double& value);

}  // namespace duskmoor
