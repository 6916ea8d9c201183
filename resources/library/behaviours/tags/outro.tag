vmrk-0001
vmrk-0008
vmrk-0012
