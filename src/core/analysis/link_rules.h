#pragma once

namespace kortiv {

// How an element sits relative to the direction of travel d of a chain that
// arrives at it: its orientation o is d (same), d + 1 (turned +1), d + 2
// (opposite) or d - 1 (turned -1), all mod 4.
enum Relation : int { kSame = 0, kTurnedPlus = 1, kOpposite = 2, kTurnedMinus = 3 };

inline int RelationOf(int orientation, int direction) {
  return (orientation - direction + 4) % 4;
}

// Where a summator stores the chain that arrives from one side.
struct InputSlot {
  int offset = -1;  // 0..2 from the first input column; -1: first free one
  int sign = 1;
};

// What a chain walking into an element does there.
struct LinkRule {
  unsigned accepts = 0;  // bit per Relation: the chain connects
  unsigned wrong = 0;    // bit per Relation: the element is wrongly turned
  bool corner = false;   // the direction becomes the element's orientation
  InputSlot slots[4];    // summators and multipliers, by Relation
};

// The rule for an element code (every code that is not a link piece accepts
// only `same` and is wrongly turned only when opposite).
const LinkRule& LinkRuleFor(int code);

// A fork's outputs (0 for any other code) and the direction of output i
// (0-based, the order of the fork's rows) relative to its orientation.
int ForkOutputCount(int code);
int ForkOutputRelation(int code, int output);

bool IsSourceCode(int code);
bool IsForkCode(int code);
// Summators and multipliers (9..20).
bool IsJunctionCode(int code);
// Summators (9..17) without the multipliers.
bool IsSummatorCode(int code);
// Summator and multiplier inputs: 3 for codes 12, 16 and 17, else 2.
int JunctionInputCount(int code);

}  // namespace kortiv
