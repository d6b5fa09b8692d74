#include "analysis/link_rules.h"

#include <array>

namespace kortiv {

namespace {

constexpr unsigned Bit(Relation r) {
  return 1u << r;
}
constexpr unsigned kSameBit = Bit(kSame);
constexpr unsigned kPlusBit = Bit(kTurnedPlus);
constexpr unsigned kMinusBit = Bit(kTurnedMinus);
constexpr unsigned kOppositeBit = Bit(kOpposite);

constexpr InputSlot kInOrder{};
constexpr InputSlot kNone{};  // a side that is not accepted

// Inputs by side for the summators that subtract: {same, +1, opposite, -1}.
constexpr LinkRule Subtracting(unsigned accepts, InputSlot same, InputSlot plus, InputSlot minus) {
  return {accepts, kOppositeBit, false, {same, plus, kNone, minus}};
}
constexpr LinkRule Adding(unsigned accepts) {
  return {accepts, kOppositeBit, false, {kInOrder, kInOrder, kNone, kInOrder}};
}

// Link pieces 1..20, by code.
constexpr std::array<LinkRule, 21> kLinkRules = {{
    {},                                                                      // 0: unused
    {kSameBit, kOppositeBit, false, {}},                                     // straight piece
    {kPlusBit, kOppositeBit, true, {}},                                      // right turn
    {kMinusBit, kOppositeBit, true, {}},                                     // left turn
    {kSameBit | kMinusBit, kPlusBit | kOppositeBit, false, {}},              // crossing
    {kSameBit, kPlusBit | kOppositeBit, false, {}},                          // fork 1
    {kSameBit, kMinusBit | kOppositeBit, false, {}},                         // fork 2
    {kSameBit, kPlusBit | kMinusBit, false, {}},                             // fork 3
    {kSameBit, kPlusBit | kMinusBit | kOppositeBit, false, {}},              // fork 4
    Adding(kSameBit | kPlusBit),                                             // summator 1
    Adding(kSameBit | kMinusBit),                                            // summator 2
    Adding(kPlusBit | kMinusBit),                                            // summator 3
    Adding(kSameBit | kPlusBit | kMinusBit),                                 // summator 4
    Subtracting(kSameBit | kPlusBit, {0, 1}, {1, -1}, kNone),                // subtraction 1
    Subtracting(kSameBit | kMinusBit, {0, 1}, kNone, {1, -1}),               // subtraction 2
    Subtracting(kPlusBit | kMinusBit, kNone, {1, -1}, {0, 1}),               // subtraction 3
    Subtracting(kSameBit | kPlusBit | kMinusBit, {0, 1}, {1, 1}, {2, -1}),   // subtraction 4
    Subtracting(kSameBit | kPlusBit | kMinusBit, {0, 1}, {1, -1}, {2, -1}),  // subtraction 5
    Adding(kSameBit | kPlusBit),                                             // multiplier 1
    Adding(kSameBit | kMinusBit),                                            // multiplier 2
    Adding(kPlusBit | kMinusBit),                                            // multiplier 3
}};

constexpr LinkRule kOtherElement{kSameBit, kOppositeBit, false, {}};

// Fork outputs in row order: {count, relations}.
struct ForkOutputs {
  int count;
  std::array<Relation, 3> relations;
};
constexpr std::array<ForkOutputs, 4> kForkOutputs = {{
    {2, {kSame, kTurnedPlus, kSame}},
    {2, {kSame, kTurnedMinus, kSame}},
    {2, {kTurnedPlus, kTurnedMinus, kSame}},
    {3, {kSame, kTurnedPlus, kTurnedMinus}},
}};

}  // namespace

const LinkRule& LinkRuleFor(int code) {
  return code >= 1 && code <= 20 ? kLinkRules[code] : kOtherElement;
}

int ForkOutputCount(int code) {
  return IsForkCode(code) ? kForkOutputs[code - 5].count : 0;
}

int ForkOutputRelation(int code, int output) {
  return kForkOutputs[code - 5].relations[output];
}

bool IsSourceCode(int code) {
  return code >= 100 && code <= 199;
}
bool IsForkCode(int code) {
  return code >= 5 && code <= 8;
}
bool IsJunctionCode(int code) {
  return code >= 9 && code <= 20;
}
bool IsSummatorCode(int code) {
  return code >= 9 && code <= 17;
}

int JunctionInputCount(int code) {
  return code == 12 || code == 16 || code == 17 ? 3 : 2;
}

}  // namespace kortiv
