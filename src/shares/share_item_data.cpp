#include "shares/share_item_data.h"
#include "shares/share_names.h"

namespace {
std::string TextOf(const char* text) { return text ? text : std::string(); }
}  // namespace

ShareItemData::ShareItemData(const NETRESOURCEA& record)
    : localName(TextOf(record.lpLocalName)),
      remoteName(TextOf(record.lpRemoteName)),
      comment(TextOf(record.lpComment)),
      provider(TextOf(record.lpProvider)) {
    m_resource.dwScope = record.dwScope;
    m_resource.dwType = record.dwType;
    m_resource.dwDisplayType = record.dwDisplayType;
    m_resource.dwUsage = record.dwUsage;
}

NETRESOURCEA& ShareItemData::Resource() {
    m_resource.lpLocalName = localName.data();
    m_resource.lpRemoteName = remoteName.data();
    m_resource.lpComment = comment.data();
    m_resource.lpProvider = provider.data();
    return m_resource;
}

std::string ShareItemData::GetDisplayName() const { return DisplayNameOf(remoteName, comment); }

std::string ShareItemData::BuildAccessPath() {
    const auto path = AccessPathOf(localName, remoteName, GetDisplayName());
    if (!path) return remoteName;
    localName = *path;
    return localName;
}
