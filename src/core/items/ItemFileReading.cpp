#include "items/ItemFileReading.h"

LoadNotes ItemFileLoad::notes() const {
    if (valuesLeftOut == 0) {
        return {};
    }
    return {std::to_string(valuesLeftOut) + " " + std::string(leftOut) + " were left out."};
}
