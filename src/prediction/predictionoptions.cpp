#include "prediction/predictionoptions.h"

#include <algorithm>

namespace pirumo {

int PredictionOptions::CountReflected() const {
    return static_cast<int>(std::count(reflect.begin(), reflect.end(), true));
}

}  // namespace pirumo
