#include "platform/cobject.h"

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == base)
            return true;
    }
    return false;
}

const CRuntimeClass* CObject::ThisClass()
{
    static const CRuntimeClass info{"CObject", nullptr};
    return &info;
}

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return ThisClass();
}

bool CObject::IsKindOf(const CRuntimeClass* runtimeClass) const
{
    return runtimeClass != nullptr && GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}
