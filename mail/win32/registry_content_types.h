// The content types the system registers for file extensions.
#pragma once

#include "mail/message.h"

namespace orv::player {

// Reads "Content Type" of the extension's key under HKEY_CLASSES_ROOT.
class RegistryContentTypes final : public ContentTypeSource {
  public:
    std::string ContentTypeOf(std::string_view extension) const override;
};

}  // namespace orv::player
