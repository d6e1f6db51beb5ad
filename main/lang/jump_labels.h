// Jump labels in place of the relative distances that the retranslator writes (SPA =  >-2).
//
// Contents
//   jumpLabelName      the n-th label of a block: M001 ... M999, then N000 ... N999, O000, ...
//   CreateJumpLabels   label the targets of the jumps in a block document
#ifndef MAIN_LANG_JUMP_LABELS_H
#define MAIN_LANG_JUMP_LABELS_H

#include <string>

#include "main/lang/awl_ascii.h"

namespace tavrin::lang {

// Four characters, counted per block from 1.
std::string jumpLabelName(int n);

// Every jump to a label (line kind LkLabelJump) whose operand at column 18 is '>' and a distance
// gets the target address: its own address (columns 0..3, hex) plus the distance. The target is
// searched among the lines before the jump when it lies before it, otherwise from the jump line
// itself on, and only within the jump's network (after the last "NETZWERK" line above it, up to
// and including the next "***" line), where the compiler looks for a label. A statement line
// with that address and without a label of its own gets the next label in columns 5..8 (a target
// already labelled in this run keeps its label), and the jump's operand becomes that label. A
// jump whose target is no such line (it lies in another network, inside an instruction, on a
// call's parameter list) keeps its distance, which compiles to the same word.
void CreateJumpLabels(AwlAscii& block);

}  // namespace tavrin::lang

#endif
