#include "TypeFilter.h"

TypeFilter::TypeFilter (TaggedItemTypeDescriptor* d, TaggedItemHandler* h)
    : descriptor (d),
      handler (h)
{
}

TypeFilter::~TypeFilter() = default;
