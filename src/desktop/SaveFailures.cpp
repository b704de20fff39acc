#include "desktop/SaveFailures.h"

#include "platform/desktop/ShownText.h"

void SaveFailures::add(const std::string& file, const std::string& reason)
{
    lines_.append(ShownText(file) + QStringLiteral(": ") + ShownText(reason));
}
