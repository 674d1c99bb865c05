#pragma once
// COM Select (dialog 599) and Baud rate (dialog 589): one drop-down list each, of the port list
// (every COM name with the device it stands for here) or the speed list, with the setting in use
// when the window opened marked "(current)" (the window also draws it red). choice stays 0 until
// the operator picks a row; OK then runs the switch of the serial port, which sends the window's
// close notice itself. GUI thread only.
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class PortDirectory;
class RadioStateStore;
class SerialPort;

struct ChoiceRow {
    std::string text;  // "COM3 (/dev/ttyUSB0)", "19200"; "(current)" added on the current row
    int32_t value;     // the COM number or the speed
    bool current;
};

class ChoiceList {
  public:
    enum class Kind : uint8_t { Port, Baud };
    static constexpr const char* kCurrentMark = " (current)";

    ChoiceList(Kind kind, const SerialPort& port, const PortDirectory& ports);

    Kind kind() const { return kind_; }
    const std::vector<ChoiceRow>& rows() const { return rows_; }
    // The row of the setting in use at opening; -1 when it is in no row.
    int currentRow() const;
    // The operator picked row (out of range: nothing picked).
    void pick(int row);
    int32_t choice() const { return choice_; }

    // OK: COM Select runs ChangePort(choice), Baud rate ChangeBaudRate(choice, auto-information
    // on now). False when the port switch refused (its probe failed): the window stays open.
    bool apply(SerialPort& port, const RadioStateStore& store) const;

  private:
    Kind kind_;
    std::vector<ChoiceRow> rows_;
    int32_t choice_ = 0;
};

}  // namespace velmora
