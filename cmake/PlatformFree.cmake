# Libraries that include no Windows header. Each target is added as soon as
# its sources are in the tree.
set(KAC_PLATFORM_FREE_LIBS "")
