#pragma once
// Lets pending window events run, so that a Cancel button can be pressed and
// windows repaint while a long loop works.
void DejarCorrerEventos();
