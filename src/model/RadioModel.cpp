#include "model/RadioModel.h"

#include <cctype>

const RadioModel* FindRadioModel(std::string_view name) {
    for (const RadioModel& model : kRadioModels) {
        const std::string_view known = model.name;
        if (known.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < known.size() && same; ++i)
            same = std::toupper(static_cast<unsigned char>(name[i])) == known[i];
        if (same) return &model;
    }
    return nullptr;
}
