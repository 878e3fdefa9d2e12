#include "rule_compiler.h"

#include "rule_generator.h"

namespace velmora::rules {

std::string compile(const Condition& rule) { return detail::Generator().run(rule.node()); }

}  // namespace velmora::rules
