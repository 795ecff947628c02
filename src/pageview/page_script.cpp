#include "pageview/page_script.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>

#include "pageview/page_text.h"

namespace vb {
namespace {

std::optional<long long> Number(std::string_view& text) {
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front()))) return std::nullopt;
  long long value = 0;
  while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front()))) {
    value = std::min<long long>(value * 10 + (text.front() - '0'), INT_MAX);
    text.remove_prefix(1);
  }
  return value;
}

// The text after "name=" in a statement, or nothing when the statement is no such assignment.
std::optional<std::string_view> AssignedTo(std::string_view statement, std::string_view name) {
  std::size_t at = statement.find(name);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view rest = TrimBlanks(statement.substr(at + name.size()));
  if (rest.empty() || rest.front() != '=') return std::nullopt;
  return TrimBlanks(rest.substr(1));
}

// setInterval(roll,T) or setInterval(rroll,T/3).
std::optional<RollTimer> IntervalOf(std::string_view statement) {
  std::size_t at = statement.find("setInterval(");
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view arguments = statement.substr(at + 12);
  std::size_t comma = arguments.find(',');
  std::size_t close = arguments.find(')');
  if (comma == std::string_view::npos || close == std::string_view::npos || close < comma) {
    return std::nullopt;
  }
  std::string_view function = TrimBlanks(arguments.substr(0, comma));
  if (function != "roll" && function != "rroll") return std::nullopt;
  std::optional<int> period =
      IntegerExpression(TrimBlanks(arguments.substr(comma + 1, close - comma - 1)));
  if (!period) return std::nullopt;
  return RollTimer{function == "rroll", *period};
}

}  // namespace

Heading HeadingOf(std::string_view direction) {
  std::string lower = AsciiLower(TrimBlanks(direction));
  if (lower == "right") return Heading::kRight;
  if (lower == "up") return Heading::kUp;
  if (lower == "down") return Heading::kDown;
  return Heading::kLeft;
}

std::optional<int> IntegerExpression(std::string_view text) {
  std::optional<long long> value = Number(text);
  if (!value) return std::nullopt;
  while (text.size() >= 2) {
    char op = text.front();
    text.remove_prefix(1);
    std::optional<long long> operand = Number(text);
    if (!operand) break;
    if (op == '+')
      *value += *operand;
    else if (op == '-')
      *value -= *operand;
    else if (op == '*')
      *value *= *operand;
    else if (op == '/' && *operand != 0)
      *value /= *operand;
    else
      break;
    value = std::clamp<long long>(*value, INT_MIN, INT_MAX);
  }
  return static_cast<int>(*value);
}

PageAction ReadHandler(std::string_view statements) {
  PageAction action;
  while (!statements.empty()) {
    std::size_t end = std::min(statements.find(';'), statements.size());
    std::string_view statement = TrimBlanks(statements.substr(0, end));
    statements.remove_prefix(std::min(end + 1, statements.size()));
    if (auto step = AssignedTo(statement, "scrollAmount")) {
      if (auto value = IntegerExpression(*step)) action.step = *value;
    } else if (auto direction = AssignedTo(statement, "direction")) {
      std::string_view quoted = *direction;
      if (quoted.size() >= 2 && (quoted.front() == '\'' || quoted.front() == '"')) {
        quoted = quoted.substr(1, quoted.find(quoted.front(), 1) - 1);
      }
      action.heading = HeadingOf(quoted);
    } else if (statement.ends_with(".start()")) {
      action.start = true;
    } else if (statement.ends_with(".stop()")) {
      action.stop = true;
    } else if (statement.starts_with("clearInterval(")) {
      action.clearRoll = true;
    } else if (auto timer = IntervalOf(statement)) {
      action.roll = timer;
    }
  }
  return action;
}

}  // namespace vb
