#include "shell/Key_Binding.hpp"

#include "media/ButtonNames.hpp"
#include "media/KeyNames.hpp"

Key_Binding Key_Binding::From_Value(const std::string& value) {
    Key_Binding binding;
    if (value.empty())
        return binding;
    if (int key = GLINT::SDL::KeyNames::number(value)) {
        binding.Code = key;
        return binding;
    }
    binding.Code = GLINT::SDL::ButtonNames::number(value);
    binding.Type = "Button";
    return binding;
}
