vmrk-0000
vmrk-0001
vmrk-0005
vmrk-0008
vmrk-0011
vmrk-0012
