#include "desktop/PathServices.h"

PathServices::PathServices(SysImageList& images, PageRegistrations& host,
                           const std::string& userDataDir,
                           const std::function<StateFileCare(std::string path)>& care,
                           QObject* parent)
    : QObject(parent), icons_(images), histories_(host, userDataDir, care, nullptr)
{
}
