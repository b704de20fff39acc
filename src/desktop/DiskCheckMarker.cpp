#include "desktop/DiskCheckMarker.h"

#include <QCoreApplication>

namespace {

// The context of this file's texts in the catalogue.
struct DiskCheckMarkerWords
{
    Q_DECLARE_TR_FUNCTIONS(DiskCheckMarker)
};

} // namespace

QString DiskCheckMarker(quorvex::DiskCheck check)
{
    switch (check) {
    case quorvex::DiskCheck::AsListed:
        break;
    case quorvex::DiskCheck::Vanished:
        return DiskCheckMarkerWords::tr(" [なくなりました]");
    case quorvex::DiskCheck::Changed:
        return DiskCheckMarkerWords::tr(" [変更されています]");
    }
    return {};
}
