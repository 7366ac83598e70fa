#include "RenderOptions.h"

#include "observation/ValueTexts.h"
#include "platform/TextConvert.h"

#include <limits>
#include <optional>
#include <stdexcept>

namespace stormbell {

const char* const kRenderUsage =
    "usage: stormbell-render --out face.png [--metric] [--scale 2] [--temp F] [--humidity P]\n"
    "         [--pressure INHG] [--direction DEG|VRB] [--speed KT] [--heat-index F] [--chill F]\n"
    "         [--target-temp F] [--press-set N] [--station-line TEXT] [--dimmed] [--gust KT]\n";

namespace {

std::int32_t IntIn(const std::string& option, const std::string& text, std::int32_t low,
                   std::int32_t high) {
    const std::optional<std::int32_t> v = TryStrToInt(text);
    if (!v || *v < low || *v > high)
        throw std::invalid_argument(option + " needs a whole number from " + IntToStr(low) +
                                    " to " + IntToStr(high) + ", not '" + text + "'");
    return *v;
}

double Real(const std::string& option, const std::string& text) {
    const std::optional<double> v = TryStrToFloat(text);
    if (!v)
        throw std::invalid_argument(option + " needs a number, not '" + text + "'");
    return *v;
}

WindDirection Direction(const std::string& option, const std::string& text) {
    const std::optional<WindDirection> v = DirectionFromText(text);
    if (!v)
        throw std::invalid_argument(option + " needs VRB or whole degrees, not '" + text + "'");
    return *v;
}

} // namespace

RenderOptions ParseRenderOptions(const std::vector<std::string>& args) {
    constexpr std::int32_t kInt16Min = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t kInt16Max = std::numeric_limits<std::int16_t>::max();
    constexpr std::int32_t kUInt16Max = std::numeric_limits<std::uint16_t>::max();
    constexpr std::int32_t kMaxScale = 8;
    constexpr std::int32_t kMaxGust = 999;

    RenderOptions o;
    std::optional<std::int16_t> target;
    std::optional<double> heat, chill;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--metric" || option == "--dimmed") {
            (option == "--metric" ? o.Metric : o.Dimmed) = true;
            continue;
        }
        if (i + 1 >= args.size())
            throw std::invalid_argument("unknown option or missing value: " + option);
        const std::string& value = args[++i];
        if (option == "--out")
            o.Out = value;
        else if (option == "--scale")
            o.Scale = IntIn(option, value, 1, kMaxScale);
        else if (option == "--temp")
            o.Temp = static_cast<std::int16_t>(IntIn(option, value, kInt16Min, kInt16Max));
        else if (option == "--humidity")
            o.Humidity = IntIn(option, value, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max());
        else if (option == "--pressure")
            o.Pressure = Real(option, value);
        else if (option == "--direction")
            o.Direction = Direction(option, value);
        else if (option == "--speed")
            o.Speed = IntIn(option, value, std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max());
        else if (option == "--heat-index")
            heat = Real(option, value);
        else if (option == "--chill")
            chill = Real(option, value);
        else if (option == "--target-temp")
            target = static_cast<std::int16_t>(IntIn(option, value, kInt16Min, kInt16Max));
        else if (option == "--station-line")
            o.StationLine = value;
        else if (option == "--gust")
            o.GustKnots = IntIn(option, value, 0, kMaxGust);
        else if (option == "--press-set")
            o.PressSet = static_cast<std::uint16_t>(IntIn(option, value, 0, kUInt16Max));
        else
            throw std::invalid_argument("unknown option: " + option);
    }
    if (o.Out.empty())
        throw std::invalid_argument("--out is required");
    o.TargetTemp = target.value_or(o.Temp);
    o.HeatIndex = heat.value_or(o.Temp);
    o.Chill = chill.value_or(o.Temp);
    return o;
}

} // namespace stormbell
