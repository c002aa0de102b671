#pragma once

namespace GLINT {

// A callable taking two arguments, behind which any object's member function
// can sit (timers call their game objects through it).
template <class TRet, class TArg1, class TArg2>
class TFunctor2 {
public:
    virtual TRet operator()(TArg1 arg1, TArg2 arg2) = 0;
    virtual TRet call(TArg1 arg1, TArg2 arg2) = 0;
    virtual ~TFunctor2() = default;
};

} // namespace GLINT
