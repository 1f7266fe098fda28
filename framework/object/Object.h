#pragma once

// Polymorphic root of the framework's plain objects.
class Object
{
public:
    virtual ~Object() = default;
};

// Root of objects that can make a copy of themselves.
template <class CopiedClass>
class CopyableObject : public Object
{
public:
    virtual CopiedClass* createCopy() const = 0;
};
