#include "tools/cli/ObservationJson.h"

#include <cstdio>

#include "platform/TextConvert.h"

namespace stormbell {

void WriteJsonString(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out << escaped;
        } else {
            out << c;
        }
    }
    out << '"';
}

namespace {

void Field(std::ostream& out, const char* name, long long value) {
    out << '"' << name << "\": " << value << ", ";
}

void Field(std::ostream& out, const char* name, double value) {
    out << '"' << name << "\": " << FloatToStrGeneral(value) << ", ";
}

void Field(std::ostream& out, const char* name, const std::string& value) {
    out << '"' << name << "\": ";
    WriteJsonString(out, value);
    out << ", ";
}

} // namespace

void WriteObservationJson(std::ostream& out, const Observation& o, long frames) {
    out << '{';
    Field(out, "OTemp", static_cast<long long>(o.OTemp));
    Field(out, "NewTemp", static_cast<long long>(o.NewTemp));
    Field(out, "OHumd", static_cast<long long>(o.OHumd));
    Field(out, "NewHumd", static_cast<long long>(o.NewHumd));
    Field(out, "OHeatIndex", o.OHeatIndex);
    Field(out, "NewHeatIndex", o.NewHeatIndex);
    Field(out, "OChill", o.OChill);
    Field(out, "NewChill", o.NewChill);
    Field(out, "OPresInfo", o.OPresInfo);
    Field(out, "NewPresInfo", o.NewPresInfo);
    Field(out, "OWDInfo", o.OWDInfo);
    Field(out, "NewWDInfo", o.NewWDInfo);
    Field(out, "OWSInfo", o.OWSInfo);
    Field(out, "NewWSInfo", o.NewWSInfo);
    Field(out, "TempCText", o.TempCText);
    Field(out, "DewCText", o.DewCText);
    Field(out, "DisplayMode", o.DisplayMode);
    out << "\"frames\": " << frames << "}\n";
}

void WriteErrorJson(std::ostream& out, std::string_view message) {
    out << "{\"error\": ";
    WriteJsonString(out, message);
    out << "}\n";
}

} // namespace stormbell
