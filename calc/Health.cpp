#include "Health.h"

#include "FloatEnv.h"

#include <cmath>
#include <cstdint>

namespace calc {

int healthIndex(double heightCm, double weightKg) {
    const long double h = heightCm, w = weightKg;
    FaultScope faults;
    const long double index = w / (h * h) * 100 * 100;
    faults.check();
    // A not-a-number given as height or weight passes the arithmetic without a fault, and no
    // comparison catches it: refuse it before the conversion to an integer.
    if (std::isnan(index))
        throw CalcError(kInvalidOperation);
    const long double rounded = std::nearbyintl(index); // ties to even
    if (rounded < INT32_MIN || rounded > INT32_MAX)
        throw CalcError(kOverflow);
    return static_cast<int>(rounded);
}

std::string_view healthVerdict(int n) {
    if (n >= 39)
        return "你在开玩笑吧!!!哪有这种身材";
    if (n >= 29)
        return "你太重了!";
    if (n >= 24)
        return "你已经有些发福了，要多运动哦";
    if (n >= 20)
        return "你的体重很标准，继续保持哦";
    if (n >= 15)
        return "有些偏瘦了，要多注意营养啊！";
    if (n >= 11)
        return "太瘦了！！！";
    return "你在开玩笑吧!不可能存在的哦";
}

} // namespace calc
