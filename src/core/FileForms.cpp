#include "core/FileForms.h"

#include <algorithm>

namespace zarion {

std::string separatedField(std::string text, const FileForm& form) {
    if (form.separator != 0)
        std::replace(text.begin(), text.end(), form.separator, ' ');
    return text;
}

} // namespace zarion
