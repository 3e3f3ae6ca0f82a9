#pragma once

// Base object with run-time class information: every model and toolkit class
// names its class and its base, so code can ask IsKindOf at run time.

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

// Declares the run-time class of a class derived from CObject.
#define DECLARE_DYNAMIC(class_name)                                   \
public:                                                               \
    static const CRuntimeClass* ThisClass();                          \
    const CRuntimeClass* GetRuntimeClass() const override;

// Defines it; put in the class's source file.
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                \
    const CRuntimeClass* class_name::ThisClass()                      \
    {                                                                 \
        static const CRuntimeClass info{#class_name,                  \
                                        base_class_name::ThisClass()}; \
        return &info;                                                 \
    }                                                                 \
    const CRuntimeClass* class_name::GetRuntimeClass() const          \
    {                                                                 \
        return ThisClass();                                           \
    }

#define RUNTIME_CLASS(class_name) (class_name::ThisClass())

class CObject {
public:
    virtual ~CObject() = default;

    static const CRuntimeClass* ThisClass();
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* runtimeClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
