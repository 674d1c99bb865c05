#pragma once
// The command catalogue as data: one table per family of requests. The requests that follow no
// family rule have their own handlers (IrregularRequests.h), and the thread's control messages
// belong to the dispatcher.
#include <span>

#include "command/CatalogueRows.h"

namespace velmora::catalogue {

std::span<const FixedRow> fixedCommands();         // family A
std::span<const ToggleRow> toggles();              // family B
std::span<const StoredChoiceRow> storedChoices();  // variants of family B
std::span<const ValueFieldRow> valueFields();      // family C
std::span<const TargetChoiceRow> targetChoices();  // family D
std::span<const DialStepRow> dialSteps();          // family F
std::span<const PressRow> presses();               // family G

}  // namespace velmora::catalogue
