#pragma once

// The two pictures share one scene; the variant decides what is different.
enum class Variant {
    Cover,   // the cat asleep on the sill on a quiet night
    Hidden,  // the surprise underneath: the same room in the middle of a party
};
