// What CPanelInput reports under the pointer: the kind of control, its code and its name.
#include "link/RadioStateStore.h"
#include "panel/input/CPanelInput.h"
#include "panel/input/ControlNames.h"
#include "panel/input/KnobTable.h"

namespace velmora {

ControlAt CPanelInput::controlAt(PanelPoint point) const {
    const Hit hit = hitAt(point);
    if (hit.kind == ControlKind::None) return {};
    std::string tooltip = controlName(hit.code);
    if (const ValueKnobRow* row = valueKnobRow(hit.code)) {
        tooltip += " " + std::to_string(row->record(store_.records).get());
    }
    return {hit.kind, hit.code, std::move(tooltip)};
}

}  // namespace velmora
