#include "platform/resource_module.h"

namespace {
HINSTANCE g_resourceModule = nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceModule != nullptr ? g_resourceModule : GetModuleHandleW(nullptr);
}

void AfxSetResourceHandle(HINSTANCE module)
{
    g_resourceModule = module;
}

CResourceModuleScope::CResourceModuleScope(HINSTANCE module)
    : m_previous(AfxGetResourceHandle()), m_switched(module != nullptr)
{
    if (m_switched)
        AfxSetResourceHandle(module);
}

CResourceModuleScope::~CResourceModuleScope()
{
    if (m_switched)
        AfxSetResourceHandle(m_previous);
}
