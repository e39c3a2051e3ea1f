#include "effect_state.h"

EffectState Effect;
