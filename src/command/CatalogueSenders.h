#pragma once
// How each family of the catalogue turns a request into a command, one function per row type.
#include "command/CatalogueRows.h"
#include "command/CommandContext.h"

namespace velmora::catalogue {

void sendFixed(CommandContext& context, const FixedRow& row);
void sendToggle(CommandContext& context, const ToggleRow& row, const Request& request);
void sendStoredChoice(CommandContext& context, const StoredChoiceRow& row, const Request& request);
void sendValueField(CommandContext& context, const ValueFieldRow& row, const Request& request);
void sendTargetChoice(CommandContext& context, const TargetChoiceRow& row, const Request& request);
void sendDialStep(CommandContext& context, const DialStepRow& row, const Request& request);
void sendPress(CommandContext& context, const PressRow& row, const Request& request);

// Writes a row's parameter text from pos on, 'r' as the target digit; returns the position
// after it.
int putParams(CommandBuffer& command, int pos, std::string_view text, char target);

}  // namespace velmora::catalogue
