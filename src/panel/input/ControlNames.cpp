#include "panel/input/ControlNames.h"

namespace velmora {

namespace {

struct ControlNameRow {
    int32_t code;
    const char* name;
};

// clang-format off
constexpr ControlNameRow kNames[] = {
    {  1, "COM"},          {  2, "ON/OFF"},       {  3, "DIM"},          {  4, "MOX"},
    {  5, "VOX"},          {  6, "TUNE"},         {  8, "ANT"},          {  9, "RX ANT"},
    { 10, "MONI"},         { 11, "PROC"},         { 12, "KEYER"},        { 13, "ATT"},
    { 14, "AMP/THRU"},     { 15, "R.FLT"},        { 16, "AGC"},          { 17, "NB"},
    { 18, "BK-IN"},        { 19, "SPOT"},         { 28, "A"},            { 29, "B"},
    { 30, "LSB"},          { 31, "USB"},          { 32, "CW"},           { 33, "AM/FM"},
    { 34, "RTTY"},         { 35, "PKT"},          { 36, "STO"},          { 37, "RCL"},
    { 38, "NAR"},          { 39, "SPLIT"},        { 40, "TXW"},          { 42, "CLASS-A"},
    { 43, "C.S"},          { 44, "RX"},           { 45, "TX"},           { 46, "FAST"},
    { 47, "LOCK"},         { 48, "A>B"},          { 49, "A<>B"},         { 50, "V/M"},
    { 51, "M>A"},          { 52, "A>M"},          { 53, "MENU"},         { 54, "RX CLAR"},
    { 55, "TX CLAR"},      { 56, "CLAR GRP"},     { 57, "BAND/MCH"},     { 58, "PRESEL/FTUNE"},
    { 59, "SHIFT"},        { 60, "CONT/APF"},     { 61, "NOTCH"},        { 62, "WIDTH"},
    { 63, "RESET"},        { 64, "DNR"},          { 65, "DNF"},          { 66, "50 (0)"},
    { 67, "1.8 (1)"},      { 68, "3.5 (2)"},      { 69, "7 (3)"},        { 70, "10 (4)"},
    { 71, "14 (5)"},       { 72, "18 (6)"},       { 73, "21 (7)"},       { 74, "24.5 (8)"},
    { 75, "28 (9)"},       { 76, "GEN"},          { 77, "ENT"},          { 79, "CLEAR"},
    { 85, "CLAR RX"},      { 86, "CLAR TX"},      { 92, "A/B"},          { 93, "METER"},
    { 94, "PRESEL (SUB)"}, { 95, "SHIFT (SUB)"},  { 96, "CONT/APF (SUB)"}, { 97, "NOTCH (SUB)"},
    { 98, "WIDTH (SUB)"},  { 99, "RESET (SUB)"},  {100, "DNR (SUB)"},    {101, "DNF (SUB)"},
    {102, "MAIN DIAL"},    {103, "CLAR"},         {104, "CLAR"},
    {106, "MONI LEVEL"},   {107, "PROC LEVEL"},   {108, "KEY SPEED"},    {109, "KEY PITCH"},
    {110, "NB LEVEL"},     {111, "SQL"},          {112, "MIC GAIN"},     {113, "RF POWER"},
    {114, "VOX GAIN"},     {115, "VOX DELAY"},    {116, "AF GAIN (SUB)"}, {117, "RF GAIN (SUB)"},
    {118, "AF GAIN"},      {119, "RF GAIN"},      {220, "NB LEVEL (SUB)"}, {221, "SQL (SUB)"},
    {218, "DOWN"},         {219, "UP"},
    {222, "SHIFT"},        {223, "WIDTH"},        {224, "CONTOUR"},      {225, "APF"},
    {226, "PRESEL"},       {227, "FTUNE"},        {228, "NOTCH"},        {229, "DNR"},
    {230, "SHIFT (SUB)"},  {231, "WIDTH (SUB)"},  {232, "CONTOUR (SUB)"}, {233, "APF (SUB)"},
    {234, "PRESEL (SUB)"}, {235, "FTUNE (SUB)"},  {236, "NOTCH (SUB)"},  {237, "DNR (SUB)"},
};
// clang-format on

}  // namespace

const char* controlName(int32_t code) {
    if (code >= 200 && code <= 207) return "VFO-A DIGIT";
    if (code >= 208 && code <= 215) return "VFO-B DIGIT";
    for (const ControlNameRow& row : kNames) {
        if (row.code == code) return row.name;
    }
    return "";
}

}  // namespace velmora
