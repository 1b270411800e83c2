#pragma once

namespace reveal {

// Snapshots the canvas (width and height as the runtime's snapshot takes
// them), frees the previous snapshot, keeps the new one and hands it to the
// picture button, which copies it and cuts its black pixels out.
void takeSnapshot(int width, int height);

} // namespace reveal
