#pragma once

#include "media/TFunctor2.hpp"

namespace GLINT {

// Binds one member function of TClass to one instance (not owned).
template <class TClass, class TRet, class TArg1, class TArg2>
class TSpecificFunctor2 : public TFunctor2<TRet, TArg1, TArg2> {
public:
    using Method = TRet (TClass::*)(TArg1, TArg2);

    TSpecificFunctor2(TClass* instance, Method method) : method(method), instance(instance) {}

    TRet operator()(TArg1 arg1, TArg2 arg2) override { return (instance->*method)(arg1, arg2); }
    TRet call(TArg1 arg1, TArg2 arg2) override { return (instance->*method)(arg1, arg2); }

private:
    Method method;
    TClass* instance;
};

} // namespace GLINT
